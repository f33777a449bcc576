#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

#include <QByteArray>
#include <QtGlobal>
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

    void set(const char* name, const char* value) {
#ifdef _WIN32
        // The C runtime drops a variable set empty; the process block keeps
        // it, and the simulator reads that one there.
        if (*value == '\0') {
            qunsetenv(name);
            SetEnvironmentVariableA(name, "");
            return;
        }
#endif
        qputenv(name, QByteArray(value));
    }
    void unset(const char* name) {
        qunsetenv(name);
    }

private:
    static void clear() {
        for (const char* name :
             {"LUMIDOR_SIM_DEVICES", "LUMIDOR_SIM_DRIVER_VERSION", "LUMIDOR_SIM_LIBRARY_VERSION",
              "LUMIDOR_SIM_REPLY", "LUMIDOR_SIM_SLOW_LISTING", "LUMIDOR_SIM_FAIL",
              "LUMIDOR_SIM_UNPLUG_AFTER", "LUMIDOR_SIM_READ_TIMEOUT", "LUMIDOR_SIM_TRACE",
              "LUMIDOR_SIM_ANSWERS", "LUMIDOR_SIM_ANSWER_DELAY", "LUMIDOR_SIM_BUFFER"}) {
            qunsetenv(name);
        }
    }
};

}  // namespace lumidor::test
