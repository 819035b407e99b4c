// The language file and the loading of the whole world at start-up.
#pragma once

#include <pugixml.hpp>

// Reads the interface strings from "tr.lng" (a broken or missing file is
// reported on screen; what is missing stays empty), then rooms 1, 2, ...
// from "rooms/" and objects 1, 2, ... from "objects/", each until the first
// missing document or code 99, and the rules document (or the original rules).
void initialize();

// The element at `path` ("Pockets/TypePockets/T1") below `parent`: at each
// step only the first child of that name counts, so a later element of the
// same name is never searched. A null node if a step is missing.
pugi::xml_node firstElementAt(pugi::xml_node parent, const char* path);
