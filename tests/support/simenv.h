#pragma once

#include <cstdlib>
#include <initializer_list>

namespace lumidor::test {

// Chooses the converter simulator's scenario for one test; the simulator reads
// its variables at every call. Everything goes back to the one ready converter
// when the scenario ends.
class SimEnv {
public:
    SimEnv() { clear(); }
    ~SimEnv() { clear(); }
    SimEnv(const SimEnv&) = delete;
    SimEnv& operator=(const SimEnv&) = delete;

    void set(const char* name, const char* value) { setenv(name, value, 1); }
    void unset(const char* name) { unsetenv(name); }

private:
    static void clear() {
        for (const char* name :
             {"LUMIDOR_SIM_DEVICES", "LUMIDOR_SIM_DRIVER_VERSION", "LUMIDOR_SIM_LIBRARY_VERSION",
              "LUMIDOR_SIM_REPLY", "LUMIDOR_SIM_SLOW_LISTING", "LUMIDOR_SIM_FAIL",
              "LUMIDOR_SIM_UNPLUG_AFTER", "LUMIDOR_SIM_READ_TIMEOUT", "LUMIDOR_SIM_TRACE"}) {
            unsetenv(name);
        }
    }
};

}  // namespace lumidor::test
