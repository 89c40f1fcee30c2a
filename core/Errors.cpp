#include "core/Errors.h"

#include <atomic>
#include <exception>

namespace quenvar {

namespace {
std::atomic<bool> g_interrupt{false};
static_assert(std::atomic<bool>::is_always_lock_free);
}  // namespace

void RequestInterrupt() noexcept { g_interrupt.store(true, std::memory_order_relaxed); }
bool InterruptRequested() noexcept { return g_interrupt.load(std::memory_order_relaxed); }

ErrorReport DescribeCurrentException() {
  try {
    throw;
  } catch (const EAbort& e) {
    return {e.className(), e.what(), true, e.text()};
  } catch (const Exception& e) {
    return {e.className(), e.what(), false, e.text()};
  } catch (const std::bad_alloc&) {
    EOutOfMemory e;
    return {e.className(), e.what(), false, e.text()};
  } catch (const std::length_error&) {
    EOutOfMemory e;
    return {e.className(), e.what(), false, e.text()};
  } catch (const std::exception& e) {
    return {"Exception", e.what(), false, Text::Plain(e.what())};
  } catch (...) {
    const Text unknown(TR_NOOP("Core", "Unknown error"));
    return {"Exception", unknown.english(), false, unknown};
  }
}

}  // namespace quenvar
