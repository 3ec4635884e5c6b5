// MvBindingOwner: the one owner of a window's bindings. A binding leaves by its stop-and-release
// contract: its request stopped (what is out ends at its next answer, nothing new is sent), the
// windows painting while that answer or time-out arrives, then destroyed, so that no completion
// reaches a binding or a window that is gone.
#pragma once

#include <algorithm>
#include <memory>
#include <type_traits>
#include <vector>

#include "bind/MvSNMPRequest2Controls.h"

// Releases one binding held alone (the panels' LED polls): stopped, waited for, destroyed.
// Nothing happens without one.
template <class T>
void releaseBinding(std::unique_ptr<T>& binding) {
  static_assert(std::is_base_of_v<MvSNMPRequest2Controls, T>);
  if (!binding) return;
  binding->StopAndWait();
  binding.reset();
}

// T may be incomplete where the owner is only declared; it must be complete where bindings are
// adopted and released.
template <class T>
class MvBindingOwner {
 public:
  MvBindingOwner() = default;
  ~MvBindingOwner() { ReleaseAll(); }
  MvBindingOwner(const MvBindingOwner&) = delete;
  MvBindingOwner& operator=(const MvBindingOwner&) = delete;

  // Takes the binding; the pointer stays valid until it is released.
  T* Adopt(std::unique_ptr<T> binding) {
    static_assert(std::is_base_of_v<MvSNMPRequest2Controls, T>);
    T* b = binding.get();
    if (b) bindings_.push_back(std::move(binding));
    return b;
  }
  // Releases one binding (see above); false when this owner does not hold it.
  bool Release(const T* binding) {
    const auto it = std::find_if(bindings_.begin(), bindings_.end(),
                                 [binding](const std::unique_ptr<T>& b) { return b.get() == binding; });
    if (it == bindings_.end()) return false;
    // Moved out first: a completion that arrives while it is waited for finds it no longer
    // held, never half destroyed.
    std::unique_ptr<T> owned = std::move(*it);
    bindings_.erase(it);
    releaseBinding(owned);
    return true;
  }
  // Releases every binding, in the order they were adopted.
  void ReleaseAll() {
    while (!bindings_.empty()) Release(bindings_.front().get());
  }
  // Whether one of the bindings has an operation out.
  bool AnyBusy() const {
    return std::any_of(bindings_.begin(), bindings_.end(), [](const std::unique_ptr<T>& b) { return b->Busy(); });
  }
  bool Holds(const T* binding) const {
    return std::any_of(bindings_.begin(), bindings_.end(),
                       [binding](const std::unique_ptr<T>& b) { return b.get() == binding; });
  }
  int Count() const { return static_cast<int>(bindings_.size()); }
  bool Empty() const { return bindings_.empty(); }
  // The binding adopted `index`-th among those held (nullptr out of range).
  T* At(int index) const {
    return index >= 0 && index < Count() ? bindings_[static_cast<size_t>(index)].get() : nullptr;
  }

 private:
  std::vector<std::unique_ptr<T>> bindings_;
};
