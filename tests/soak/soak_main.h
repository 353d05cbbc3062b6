// The soak harness's command line, shared by every design it is compiled with:
//
//   soak --cnx NAME.cnx [--words N] [--toggled-words N] [--seed S] [--mix soak|t+1|channel]
//        [--rates P,P,...] [--wrong-expectation WORD] [--stats FILE]
//
// It reads the block from the description beside the design, runs N words with dsout held
// at 1 and then the toggled words with dsout toggling, each run with one reset in mid-stream,
// prints what it judged and ends with "N words judged, M failed" (status 1 on a failure).
// --stats appends the measured error rates, with their theory, to FILE.
#pragma once

#include "tests/soak/decoder_ports.h"

namespace soak {

int SoakMain(int argc, char** argv, ClockedDecoder& decoder);

}  // namespace soak
