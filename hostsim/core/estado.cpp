#include "estado.h"

namespace hostsim {

Estado& estado() {
    static Estado e;
    return e;
}

} // namespace hostsim
