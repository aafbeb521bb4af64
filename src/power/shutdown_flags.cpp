#include "power/shutdown_flags.h"

unsigned shutdownFlags(bool powerOff, bool force) {
    return ewx::kShutdown | (force ? ewx::kForce : 0) | (powerOff ? ewx::kPowerOff : 0);
}

unsigned rebootFlags(bool force) {
    return ewx::kReboot | (force ? ewx::kForce : 0);
}

unsigned logoffFlags(bool force) {
    return ewx::kLogoff | (force ? ewx::kForce : 0);
}
