// What the simulated host never lets reach its disk files: track data, PIN
// data, security codes and full card numbers.
#pragma once
#include "campos.h"

#include <QByteArray>
#include <QJsonObject>

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

// Masks every run of 13 to 19 digits to its first six and last four
// digits, the middle as '*', and what follows it up to the next blank, ';' or
// '|' when a track separator ('=', '^', 'D', 'd') comes next. A number
// written in groups ("5555 6666 7777 8888", "5555-6666-7777-8888": a first
// group of four, groups of four to six, one separator throughout, 13 to 19
// digits) is masked alike. Shorter runs (amounts, NSUs, dates) stay.
HOSTSIM_API QByteArray MascaraPan(const QByteArray& texto);

// A result document as the runner writes it without --card-data full: the
// values of the fields above (in the field maps, the snapshots and the
// requests' entries) replaced by '*' of the same length, and every other text
// through MascaraPan (hex texts decoded, masked and encoded again) but the
// ini files and the file names, which the host does not mask either.
HOSTSIM_API QJsonObject MascaraDocumento(const QJsonObject& resultado);

} // namespace hostsim
