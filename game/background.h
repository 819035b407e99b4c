// The palette that gives every new screen of the game another colour.
#pragma once

#include <vector>

class background {
 public:
  background();
  ~background();

  void addBGColor(int ColorNumber);

  // Beeps and switches the console to a palette attribute that looks
  // different from the current one on the device (kiv::looksAlike), picked
  // at random (another beep for every pick that would not). Where none
  // looks different, any attribute other than the current one will do.
  // Does not clear: callers follow with kiv::Clear(). A palette without a
  // second attribute beeps once and keeps its colour.
  void arkaplan();

  int current() const { return BGColor; }

 private:
  std::vector<int> BGColors;
  int BGColor = 0;
};
