// What the simulated host never lets reach its disk files: track data, PIN
// data, security codes and full card numbers.
#pragma once
#include "campos.h"

#include <QByteArray>

namespace hostsim {

// Fields whose content is dropped from every file the host writes:
//   10104  card-data record (track 2, separator, track 1) or typed card data
//   10109  track 2
//   10110  track 1
//   10149  card security code
//   10201  typed card data moved out of 10104 (number, expiry, code)
//   10225  security text of a second authorization
//   20001  card record kept around auxiliary exchanges
//   20035  security text of the reply
//   10176  the pinpad's tagged chip data (may carry the PIN block)
HOSTSIM_API bool CampoSigiloso(int campo);

// Masks every run of 13 or more digits to its first six and last four
// digits, the middle as '*', and what follows it up to the next blank, ';' or
// '|' when a track separator ('=', '^', 'D') comes next. Shorter runs
// (amounts, NSUs, dates) stay.
HOSTSIM_API QByteArray MascaraPan(const QByteArray& texto);

} // namespace hostsim
