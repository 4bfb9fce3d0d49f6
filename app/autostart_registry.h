// The log-on start of the program: a value named "LexoraRun" under the
// machine-wide Run key of the registry, holding the command that starts it.
// The Windows side implements this with the registry; tests with a fake.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace settings {

inline constexpr std::string_view kAutostartValueName = "LexoraRun";

// The registry refused to store the value.
class AutostartError : public std::runtime_error {
  public:
    AutostartError() : std::runtime_error("Failed to set data for 'LexoraRun'") {}
};

class AutostartRegistry {
  public:
    virtual ~AutostartRegistry() = default;
    // Stores `command` as the value; throws AutostartError when refused.
    virtual void Register(const std::string& command) = 0;
    // Removes the value and a sub-key of the same name. Neither being there,
    // or the key not opening, is no error.
    virtual void Unregister() = 0;
};

}  // namespace settings
