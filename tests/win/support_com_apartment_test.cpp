// COM on the program's thread for the shell's link calls.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "support/ComApartment.h"

namespace {

TEST(ComApartment, HoldsASingleThreadedApartmentForItsLifetime) {
  // On a thread of its own, so nothing else in the suite changes its COM state.
  std::thread([] {
    {
      Tarvex::ComApartment apartment;
      ASSERT_TRUE(apartment.Initialised());
      EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE)
          << "the thread is in a single-threaded apartment";
    }
    // Balanced: afterwards the thread is free to enter another apartment.
    const HRESULT after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(after, S_OK);
    if (SUCCEEDED(after)) CoUninitialize();
  }).join();
}

TEST(ComApartment, LeavesAThreadAlreadyInAnotherApartmentAsItWas) {
  std::thread([] {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    {
      Tarvex::ComApartment apartment;
      EXPECT_FALSE(apartment.Initialised());
    }
    // Still initialised once: this call is a nested one, and the thread's own
    // initialisation was not undone by the object.
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    CoUninitialize();
  }).join();
}

}  // namespace
