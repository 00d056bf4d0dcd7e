#pragma once

#include <type_traits>
#include <utility>

namespace ChartLib {

template <class Signature>
class FunctionRef;

// A non-owning reference to a callable, for callbacks made once per item in loops over a
// million items: unlike std::function it never allocates. The callable must outlive it.
template <class Result, class... Args>
class FunctionRef<Result(Args...)> {
public:
    template <class Callable>
    requires(!std::is_same_v<std::remove_cvref_t<Callable>, FunctionRef>)
        FunctionRef(Callable&& callable)  // NOLINT: converts implicitly, like std::function
        : object_(const_cast<void*>(static_cast<const void*>(&callable))),
          call_([](void* object, Args... args) -> Result {
              return (*static_cast<std::remove_reference_t<Callable>*>(object))(
                  std::forward<Args>(args)...);
          }) {}

    Result operator()(Args... args) const { return call_(object_, std::forward<Args>(args)...); }

private:
    void* object_;
    Result (*call_)(void*, Args...);
};

}  // namespace ChartLib
