#pragma once

// Thrown when the program must end at once (an UnZip library of the wrong
// version). It is not a failure: nothing catches it but the program's
// start, which ends the program with exitCode.
struct ProgramEndRequest {
    int exitCode;
};
