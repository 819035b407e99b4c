// A page for the typing benchmark: 1,000 letters typed at 10 ms each through
// the web device, the time they took left in window.typingMs.
#include <emscripten.h>

#include <string>

#include "kiv/core/kiv_engine.h"
#include "kiv/web/web_device.h"

namespace {

constexpr int kLetters = 1000;  // blanks not counted: they are not paused on
constexpr int kPauseMs = 10;

std::string narration() {
  const std::string sentence =
      "Karanl\x8Dk bir odada uyan\x8Dyorsun. Duvarlar so\x87uk ve nemli; bir yerden su damlas\x8D sesi "
      "geliyor. Masan\x8Dn \x81st\x81nde eski bir lamba ve k\x81\x87\x81k bir anahtar duruyor. ";
  std::string text;
  for (std::size_t i = 0, letters = 0; letters < kLetters; i = (i + 1) % sentence.size()) {
    text += sentence[i];
    if (sentence[i] != ' ') ++letters;
  }
  return text;
}

}  // namespace

EM_JS(void, reportTyping, (double took, int ideal), {
  window.typingMs = took;
  window.idealMs = ideal;
});

int main() {
  static kiv::WebDevice page;
  kiv::attach(page);
  kiv::textattr(0x1F);
  kiv::Clear();
  kiv::present();
  const std::string text = narration();
  const double start = emscripten_get_now();
  kiv::yaz(text, true, kPauseMs, 0, "   ", 75);
  const double took = emscripten_get_now() - start;
  reportTyping(took, kLetters * kPauseMs);
  return 0;
}
