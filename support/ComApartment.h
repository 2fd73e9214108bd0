#pragma once
// COM on the calling thread for as long as the object lives. The shell's
// "open" for web and mail links may hand the request to COM objects (shell
// extensions, the default browser's handler), and its documentation asks
// for COM to be initialised, single-threaded, on the thread that calls it.

namespace Tarvex {

class ComApartment {
 public:
  ComApartment();
  ~ComApartment();  // balances a successful initialisation
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  // False when the thread already ran COM in another mode: the shell calls
  // then work in that one, and nothing is undone at the end.
  bool Initialised() const { return initialised; }

 private:
  bool initialised = false;
};

}  // namespace Tarvex
