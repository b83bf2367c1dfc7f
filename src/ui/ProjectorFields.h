// An own projector as the "Projector Models" dialog edits it: the text of each field
// edit, the shift convention, and the lens fields and shift outline of the catalogue
// file, which the dialog does not edit (they are kept as they are; the outline only
// while shift percentages are given). Texts are read back
// into a projector with every problem the dialog marks: a text that is no number, a
// pair given by half, then the first thing ValidateOwnProjector finds.
#pragma once

#include "core/ProjectorCatalogue.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The field edits, in the order of their control ids.
enum EProjectorField
{
    kFieldName,
    kFieldClass,
    kFieldWidth,
    kFieldHeight,
    kFieldPitch,
    kFieldLumens,
    kFieldThrow43Wide,
    kFieldThrow43Tele,
    kFieldThrow169Wide,
    kFieldThrow169Tele,
    kFieldThrow235Wide,
    kFieldThrow235Tele,
    kFieldShiftUp,
    kFieldShiftDown,
    kFieldShiftLeft,
    kFieldShiftRight,
    kFieldDistanceMin,
    kFieldDistanceMax,
    kFieldPicture,
    kProjectorFieldCount
};

struct SProjectorEntry
{
    std::array<std::string, kProjectorFieldCount> texts; // UTF-8, as typed
    EShiftOf eShiftOf = EShiftOf::Image;
    std::optional<SLensFields> lens; // from the file; the shift fields are then unused
    // From the file; goes with the shift percentages and is dropped with them.
    std::optional<std::vector<SShiftEnvelopePoint>> shiftEnvelope;
};

// A problem of one field (kField...), or of the file's lens fields (nField -1, szPath
// naming the field as the file does).
struct SFieldProblem
{
    int nField = -1;
    std::string szPath;
    std::string szReason;
};

struct SEntryReading
{
    SOwnProjector projector; // what could be read; good only when problems is empty
    std::vector<SFieldProblem> problems;
};

// The texts of a projector; numbers as the shortest text that reads back the same.
SProjectorEntry EntryOfProjector(const SOwnProjector& projector);

SEntryReading ReadEntry(const SProjectorEntry& entry);

// The field a path of ValidateOwnProjector names; -1 for none of them.
int FieldOfPath(const std::string& szPath);

// The field's name in messages: "Pixel pitch", "16:9 wide throw ratio".
const char* FieldCaption(int nField);

// "Projector 3 (\"Hall Beamer 7\"), Pixel pitch: must be from 1 to 100".
std::string FormatFieldProblem(int nProjector, const std::string& szName,
                               const SFieldProblem& problem);
