// splitInTwo: one half on a second thread, failures carried back.
#include "store/split_work.h"

#include <exception>
#include <thread>

namespace store {

void splitInTwo(uint32_t count, const std::function<void(int half, uint32_t begin, uint32_t end)>& work,
                uint32_t worthAThread) {
  if (count < worthAThread) {
    work(0, 0, count);
    return;
  }
  const uint32_t middle = count / 2;
  std::exception_ptr secondFailure;
  std::thread second([&] {
    try {
      work(1, middle, count);
    } catch (...) {
      secondFailure = std::current_exception();
    }
  });
  std::exception_ptr firstFailure;
  try {
    work(0, 0, middle);
  } catch (...) {
    firstFailure = std::current_exception();
  }
  second.join();
  if (firstFailure) std::rethrow_exception(firstFailure);
  if (secondFailure) std::rethrow_exception(secondFailure);
}

}  // namespace store
