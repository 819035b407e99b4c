// The language file and the loading of the whole world at start-up.
#pragma once


// Reads the 57 interface strings from "tr.lng" (a broken or missing file is
// reported on screen; what is missing stays empty), then rooms 1, 2, ...
// from "rooms/" and objects 1, 2, ... from "objects/", each until the first
// missing document or code 99.
void initialize();
