#pragma once

#include "protocol/operation.h"

#include <string>

class Dialogs;

// The parts of the memory image a change touched, as bits.
enum ImagePart : unsigned {
    kImageData = 1,    // program memory and EEPROM, to be listed
    kImageConfig = 2,  // configuration words, ID digits and the calibration values
    kImageFile = 4,    // the file's name, the caption and the recent files
    kImageCleared = 8, // emptied: nothing to list
};

// What a face shows of its workbench: the workbench tells it what changed and
// the face draws it from the workbench's state. Every call comes on the thread
// that serves the workbench's port.
class BenchView {
public:
    virtual ~BenchView() = default;
    // Message boxes, questions and file choices.
    virtual Dialogs& dialogs() = 0;
    // The engine's or the workbench's status, a value the face words through
    // the catalogue (protocol/engine_texts.h) and draws.
    virtual void StatusChanged(const EngineStatus& status) = 0;
    virtual void ProgressChanged(int value, int maximum) = 0;

    // The chip list, the chip chosen, its record or user mode.
    virtual void ChipChanged() {}
    // `parts` (ImagePart bits) of the image changed.
    virtual void ImageChanged(unsigned /*parts*/) {}
    // The programmer style changed.
    virtual void BoardChanged() {}
    // A command opened the port (`open`), or tried to and could not (its box
    // has been answered).
    virtual void PortOpened(bool /*open*/) {}

    // An operation began (the commands are the engine's until it ends), and
    // its end, once every box it showed has been answered.
    virtual void OperationStarted(Operation /*operation*/) {}
    virtual void OperationEnded(const OperationReport& /*report*/) {}
    // Back at idle after an operation, a reset or a greeting.
    virtual void BackToIdle() {}
};
