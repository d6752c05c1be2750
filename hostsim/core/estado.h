// State of the simulated host shared by its five libraries and the runner.
#pragma once
#include "campos.h"

namespace hostsim {

struct HOSTSIM_API Estado {
    CamposHost campos;
};

HOSTSIM_API Estado& estado();

} // namespace hostsim
