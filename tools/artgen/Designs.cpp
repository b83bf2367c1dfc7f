#include "Projector.h"

namespace artgen
{
namespace
{
const SFinish kWhite{QColor(253, 253, 253), QColor(226, 229, 233), QColor(246, 247, 249),
                     QColor(232, 234, 238), QColor(212, 216, 221), QColor(192, 197, 203),
                     QColor(170, 176, 184), QColor(150, 156, 166)};
const SFinish kGraphite{QColor(104, 109, 116), QColor(62, 66, 72),   QColor(120, 125, 132),
                        QColor(96, 101, 108),  QColor(56, 60, 65),   QColor(44, 47, 52),
                        QColor(36, 38, 42),    QColor(170, 175, 182)};
const SFinish kSilver{QColor(232, 235, 239), QColor(176, 182, 190), QColor(238, 240, 243),
                      QColor(214, 218, 223), QColor(164, 170, 178), QColor(140, 146, 155),
                      QColor(120, 126, 135), QColor(110, 116, 126)};
const SFinish kBlack{QColor(58, 60, 64), QColor(22, 23, 25),   QColor(70, 73, 78),
                     QColor(48, 50, 54), QColor(24, 25, 27),   QColor(16, 17, 18),
                     QColor(8, 8, 9),    QColor(150, 154, 160)};

const QColor kNoAccent(0, 0, 0, 0);
const QColor kLedBlue(40, 140, 255);
const QColor kLedGreen(40, 200, 120);
const QColor kLedAmber(255, 160, 30);
const QColor kLedWhite(235, 245, 255);
} // namespace

// Front views have a shallow straight-up depth: only a thin strip of the top shows.
std::vector<SDesign> Designs()
{
    std::vector<SDesign> v;
    // compact, white, lens on the left, 3/4
    v.push_back({149, 284, &kWhite, 150, 60, 52, -30, 14, 0.27, 0.52, 19, 8,
                 VentFrontRight | VentSide, false, false, false, kNoAccent, kLedBlue, 150});
    // installation, graphite, centred lens with long barrel, 3/4
    v.push_back({151, 283, &kGraphite, 176, 82, 58, -36, 10, 0.5, 0.52, 27, 16,
                 VentFrontLeft | VentFrontRight | VentSide, false, false, false, kNoAccent,
                 kLedGreen, 150});
    // compact, silver, front view
    v.push_back({152, 284, &kSilver, 180, 74, 0, -14, 16, 0.36, 0.54, 24, 4, VentFrontDots, false,
                 false, false, kNoAccent, kLedBlue, 146});
    // large venue, black, handles, big central lens, 3/4
    v.push_back({153, 283, &kBlack, 196, 96, 52, -30, 8, 0.5, 0.52, 32, 14,
                 VentFrontLeft | VentFrontRight | VentSide, true, false, false,
                 QColor(220, 120, 30), kLedAmber, 156});
    // short-throw, white, recessed top window, 3/4 from the left
    v.push_back({154, 284, &kWhite, 168, 58, -62, -42, 18, 0.5, 0.55, 20, 0,
                 VentFrontLeft | VentFrontRight, false, true, false, kNoAccent, kLedBlue, 148});
    // compact, graphite, lens on the right, 3/4 from the left
    v.push_back({155, 283, &kGraphite, 148, 64, -50, -30, 16, 0.72, 0.52, 20, 9,
                 VentFrontLeft | VentSide, false, false, false, kNoAccent, kLedBlue, 150});
    // installation, silver, front view, centred lens
    v.push_back({156, 284, &kSilver, 206, 90, 0, -16, 10, 0.5, 0.53, 30, 4,
                 VentFrontLeft | VentFrontRight, false, false, false, QColor(40, 110, 200),
                 kLedGreen, 146});
    // home cinema, gloss black, wide and low, centred lens, 3/4
    v.push_back({160, 283, &kBlack, 190, 66, 50, -30, 20, 0.5, 0.5, 24, 7, VentSide | VentTop,
                 false, false, false, kNoAccent, kLedWhite, 150});
    // installation, white, lens left, blue stripe, 3/4
    v.push_back({168, 284, &kWhite, 180, 80, 56, -34, 9, 0.3, 0.5, 26, 12,
                 VentFrontRight | VentSide | VentTop, false, false, false, QColor(30, 110, 210),
                 kLedBlue, 150});
    // large venue, graphite, front view with handles
    v.push_back({169, 283, &kGraphite, 214, 100, 0, -18, 7, 0.5, 0.53, 34, 4,
                 VentFrontLeft | VentFrontRight, true, false, false, QColor(220, 120, 30),
                 kLedAmber, 158});
    // short-throw, silver, domed wide-angle front element, 3/4
    v.push_back({173, 284, &kSilver, 150, 74, 60, -36, 20, 0.5, 0.52, 27, 5, VentSide | VentTop,
                 false, false, true, kNoAccent, kLedBlue, 150});
    // compact, white, front view, lens right
    v.push_back({176, 283, &kWhite, 166, 66, 0, -12, 18, 0.68, 0.53, 22, 4, VentFrontLeft, false,
                 false, false, kNoAccent, kLedGreen, 146});
    // installation, black, centred lens, 3/4 from the left
    v.push_back({182, 284, &kBlack, 178, 84, -56, -34, 10, 0.5, 0.52, 28, 15,
                 VentFrontLeft | VentFrontRight | VentSide, false, false, false, kNoAccent,
                 kLedAmber, 150});
    // large venue, white, handles, 3/4 from the left
    v.push_back({193, 283, &kWhite, 196, 96, -52, -30, 8, 0.5, 0.52, 33, 14,
                 VentFrontLeft | VentFrontRight | VentSide, true, false, false,
                 QColor(30, 110, 210), kLedBlue, 156});
    return v;
}
} // namespace artgen
