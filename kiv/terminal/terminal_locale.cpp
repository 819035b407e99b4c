// Choosing the locale, and what the terminal's name tells of it.
#include "kiv/terminal/terminal_locale.h"

#include <langinfo.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdlib>
#include <cstring>

namespace kiv {
namespace {

// The locale setting the player asked for, or "".
std::string askedLocale() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

std::string chooseLocale() {
  const std::string asked = askedLocale();
  std::setlocale(LC_ALL, "");
  const bool installed = std::setlocale(LC_CTYPE, "") != nullptr;  // the character set is what counts
  std::string name = asked;
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  const bool saysUtf8 = name.find("utf-8") != std::string::npos || name.find("utf8") != std::string::npos;
  if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0 && (asked.empty() || (!installed && saysUtf8)))
    std::setlocale(LC_CTYPE, "C.UTF-8");
  const std::string locale = "the locale " + (asked.empty() ? std::string("C") : asked);
  const char* why =
      installed ? " cannot show Turkish letters, so they were" : " is not installed here, so Turkish letters were";
  return "thalvorine: " + locale + why +
         " shown without their marks; to see them, play in a UTF-8 locale, such as LANG=tr_TR.UTF-8 or "
         "LANG=C.UTF-8.\n";
}

}  // namespace kiv
