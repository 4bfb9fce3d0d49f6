// The log-on start value "LexoraRun" under the machine-wide Run key.
#pragma once

#include "app/autostart_registry.h"

class RunKey : public settings::AutostartRegistry {
  public:
    void Register(const std::string& command) override;
    void Unregister() override;
};
