#include "ui/RoomCheckDialog.h"

#include "DialogTemplates.h"
#include "RoomCheckDlgIds.h"
#include "core/TextFormat.h"
#include "platform/Controls.h"

#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>

using namespace RoomCheckDlgIds;

namespace
{

// Figures above this are refused: they would only make lines of hundreds of digits.
constexpr double kLargestFigure = 1e6;

struct SRoomLine
{
    ERoomMark eMark = ERoomMark::None;
    QString strText;
    QString strTip;
};

using RoomLines = std::array<SRoomLine, kRoomLineCount>;

QString Num(double dValue)
{
    return QString::fromStdString(FormatLength(dValue));
}

QString Fixed0(double dValue)
{
    return QString::fromStdString(FormatFixed(dValue, 1, 0));
}

QString Met(bool bMet)
{
    return bMet ? QStringLiteral("met") : QStringLiteral("not met");
}

// All of the nAll met, some, or none.
ERoomMark MarkOf(int nMet, int nAll)
{
    return nMet == nAll ? ERoomMark::Met : nMet == 0 ? ERoomMark::NotMet : ERoomMark::Partly;
}

// What a check of one screen needs besides that screen.
struct SRoomContext
{
    SRoomInputs room;
    QString strUnit; // " m"
    double dMm = 1000.0;
};

using EndLine = SRoomLine (*)(const SEndCheck&, const SRoomContext&);

// The line of one screen, or of both as "WA … / TP …", partly met when the two differ.
SRoomLine BothEnds(const SRoomCheck& check, bool bTwo, EndLine endLine, const SRoomContext& ctx)
{
    SRoomLine wide = endLine(check.ends[0], ctx);
    if (!bTwo)
        return wide;
    const SRoomLine tele = endLine(check.ends[1], ctx);
    return {wide.eMark == tele.eMark ? wide.eMark : ERoomMark::Partly,
            QStringLiteral("WA %1 / TP %2").arg(wide.strText, tele.strText),
            QStringLiteral("WA:\n%1\nTP:\n%2").arg(wide.strTip, tele.strTip)};
}

SRoomLine ContrastEnd(const SEndCheck& end, const SRoomContext&)
{
    const SContrastCheck& c = end.contrast;
    SRoomLine line;
    QString strMet;
    QString strNext;
    int nMet = 0;
    line.strTip = QStringLiteral("Image luminance: %1 cd/m²").arg(Num(c.dImage));
    if (!c.bDarkRoom)
        line.strTip += QStringLiteral("\nRoom light on the screen: %1 cd/m²").arg(Num(c.dAmbient));
    for (const SRoomTarget& t : c.targets)
    {
        const QString strTarget = QStringLiteral("%1 %2%3").arg(
            QString::fromUtf8(t.pszName), Fixed0(t.dLevel),
            c.bDarkRoom ? QStringLiteral(" cd/m²") : QStringLiteral(":1"));
        line.strTip += QStringLiteral("\n%1: %2").arg(strTarget, Met(t.bMet));
        if (!c.bDarkRoom)
            line.strTip += QStringLiteral(", needs %1 lm").arg(Fixed0(t.dLumensNeeded));
        nMet += t.bMet ? 1 : 0;
        if (t.bMet)
            strMet = strTarget + QStringLiteral(" met");
        else if (strNext.isEmpty())
            strNext =
                c.bDarkRoom
                    ? strTarget + QStringLiteral(" not met")
                    : QStringLiteral("%1 needs %2 lm").arg(strTarget, Fixed0(t.dLumensNeeded));
    }
    line.eMark = MarkOf(nMet, static_cast<int>(c.targets.size()));
    // The highest level reached and the next one with what it needs.
    QStringList parts = {c.bDarkRoom ? Num(c.dImage) + QStringLiteral(" cd/m²")
                                     : Num(c.dContrast) + QStringLiteral(":1")};
    for (const QString& str : {strMet, strNext})
        if (!str.isEmpty())
            parts << str;
    line.strText = parts.join(QStringLiteral(", "));
    return line;
}

SRoomLine AngleEnd(const SEndCheck& end, const SRoomContext&)
{
    const SSeatingCheck& s = end.seating;
    SRoomLine line;
    QStringList parts;
    QStringList tips;
    int nMet = 0;
    int nSeats = 0;
    for (const auto& [pszSeat, seat] :
         {std::pair{"nearest", &s.nearest}, {"farthest", &s.farthest}})
    {
        if (!*seat)
            continue;
        const QString strAngle = Num((*seat)->dAngle) + QStringLiteral("°");
        parts << QStringLiteral("%1 %2").arg(QString::fromUtf8(pszSeat), strAngle);
        tips << QStringLiteral("%1 seat viewing angle: %2, 30° minimum %3")
                    .arg(QString::fromUtf8(pszSeat), strAngle, Met((*seat)->bMeets30));
        nMet += (*seat)->bMeets30 ? 1 : 0;
        ++nSeats;
    }
    if (s.farthest)
        tips << QStringLiteral("farthest seat, cinema's 36°: %1").arg(Met(s.bFarthestMeets36));
    line.eMark = MarkOf(nMet, nSeats);
    line.strText = parts.join(QStringLiteral(", "));
    line.strTip = tips.join(QLatin1Char('\n'));
    return line;
}

SRoomLine SeatDistanceEnd(const SEndCheck& end, const SRoomContext&)
{
    const SSeatingCheck& s = end.seating;
    const std::pair<const char*, bool> rules[] = {
        {"8", s.bBasic}, {"6", s.bAnalytical}, {"4", s.bInspection}};
    QStringList within;
    for (const auto& [pszRule, bMet] : rules)
        if (bMet)
            within << QString::fromUtf8(pszRule);
    QString strWithin =
        within.isEmpty() ? QStringLiteral("none") : within.join(QStringLiteral(", "));
    if (within.size() > 1)
        strWithin.replace(strWithin.lastIndexOf(QStringLiteral(", ")), 2, QStringLiteral(" and "));
    SRoomLine line;
    line.eMark = MarkOf(static_cast<int>(within.size()), 3);
    line.strText =
        QStringLiteral("%1 image heights, within %2").arg(Num(s.dFarthestHeights), strWithin);
    line.strTip =
        QStringLiteral("Farthest seat in image heights: %1 (rule of thumb: basic decision "
                       "making 8 %2, analytical 6 %3, inspection 4 %4)")
            .arg(Num(s.dFarthestHeights), Met(s.bBasic), Met(s.bAnalytical), Met(s.bInspection));
    return line;
}

SRoomLine PixelEnd(const SEndCheck& end, const SRoomContext& ctx)
{
    const SPixelCheck& p = end.pixels;
    int nSeats = 0;
    int nBeyond = 0;
    for (const std::optional<double>& seat : {ctx.room.dNearest, ctx.room.dFarthest})
        if (seat)
        {
            ++nSeats;
            nBeyond += *seat >= p.dResolveDistance ? 1 : 0;
        }
    SRoomLine line;
    line.eMark = nSeats == 0 ? ERoomMark::NotChecked : MarkOf(nBeyond, nSeats);
    const QString strSize = Num(p.dPixelSize * ctx.dMm) + QStringLiteral(" mm");
    const QString strBeyond = Num(p.dResolveDistance) + ctx.strUnit;
    line.strText = QStringLiteral("%1, not resolved beyond %2").arg(strSize, strBeyond);
    line.strTip = QStringLiteral("Pixel size: %1\nPixels not resolved beyond: %2 (20/20 vision)")
                      .arg(strSize, strBeyond);
    if (p.bNearestBeyond)
        line.strTip += QStringLiteral("\nNearest seat beyond it: %1")
                           .arg(*p.bNearestBeyond ? QStringLiteral("yes") : QStringLiteral("no"));
    return line;
}

SRoomLine ToleranceLine(const SToleranceCheck& t, const QString& strUnit)
{
    SRoomLine line;
    line.eMark = t.bEmpty ? ERoomMark::NotMet : ERoomMark::Met;
    line.strText =
        QStringLiteral("%1 safe within ±%2 %: %3")
            .arg(t.bDistances ? QStringLiteral("distance") : QStringLiteral("screen width"),
                 Num(t.dTolerancePercent),
                 t.bEmpty ? QStringLiteral("none (only the exact unit in hand reaches "
                                           "this screen)")
                          : QStringLiteral("%1 to %2%3").arg(Num(t.dFrom), Num(t.dTo), strUnit));
    line.strTip = line.strText;
    return line;
}

// A pixel line's end: which of the given seats are near enough to see pixels at
// either end of the zoom.
QString PixelSeats(const SRoomCheck& check, const SRoomInputs& room)
{
    const double dResolve =
        std::max(check.ends[0].pixels.dResolveDistance, check.ends[1].pixels.dResolveDistance);
    const bool bNearest = room.dNearest && *room.dNearest < dResolve;
    const bool bFarthest = room.dFarthest && *room.dFarthest < dResolve;
    if (!room.dNearest && !room.dFarthest)
        return {};
    if (bNearest && bFarthest)
        return QStringLiteral("; both seats see them");
    if (bNearest || bFarthest)
        return QStringLiteral("; the %1 seat sees them")
            .arg(bNearest ? QStringLiteral("nearest") : QStringLiteral("farthest"));
    return QStringLiteral("; no seat sees them");
}

RoomLines CheckLines(const SCalculation& calc, const SRoomCheck& check, const SRoomContext& ctx)
{
    const bool bTwo = calc.nMode != kModeSizeToDistance;
    RoomLines lines;
    lines[kRoomContrast] = BothEnds(check, bTwo, ContrastEnd, ctx);
    if (ctx.room.dNearest || ctx.room.dFarthest)
    {
        lines[kRoomViewingAngle] = BothEnds(check, bTwo, AngleEnd, ctx);
        lines[kRoomViewingAngle].strText += QStringLiteral(" (30° minimum)");
    }
    else
        lines[kRoomViewingAngle] = {
            ERoomMark::NotChecked, QStringLiteral("enter a seat to check"), {}};
    if (ctx.room.dFarthest)
    {
        lines[kRoomSeatDistance] = BothEnds(check, bTwo, SeatDistanceEnd, ctx);
        lines[kRoomSeatDistance].strText =
            QStringLiteral("farthest seat %1; rule of thumb: basic decision making 8, analytical "
                           "6, inspection 4")
                .arg(lines[kRoomSeatDistance].strText);
    }
    else
        lines[kRoomSeatDistance] = {
            ERoomMark::NotChecked, QStringLiteral("enter the farthest seat to check"), {}};
    lines[kRoomPixels] = BothEnds(check, bTwo, PixelEnd, ctx);
    lines[kRoomPixels].strText += PixelSeats(check, ctx.room);
    lines[kRoomTolerance] = ToleranceLine(check.tolerance, ctx.strUnit);
    return lines;
}

// What is checked: the model and its screen (both screens after distance to size).
QString Subject(const SCalculation& calc)
{
    const QString strUnit = QString::fromUtf8(UnitSymbol(calc.nUnit));
    const QString strName = QString::fromStdString(calc.strName);
    if (calc.nMode == kModeSizeToDistance)
        return QStringLiteral("%1: a screen %2 x %3 %4.")
            .arg(strName, Num(calc.fWidth), Num(calc.fHeight), strUnit);
    return QStringLiteral("%1 at %2 %3: WA screen %4 x %5, TP screen %6 x %7 %3.")
        .arg(strName, Num(calc.fDistance), strUnit, Num(calc.fWidthWide), Num(calc.fHeightWide),
             Num(calc.fWidthTele), Num(calc.fHeightTele));
}

} // namespace

CRoomMark::CRoomMark(QWidget* pParent) : QLabel(pParent)
{
    setTextFormat(Qt::PlainText);
}

void CRoomMark::SetMark(ERoomMark eMark)
{
    m_eMark = eMark;
    static const char* const apszWords[] = {"", "not checked", "met", "partly", "not met"};
    setText(QString::fromUtf8(apszWords[static_cast<int>(eMark)]));
    update();
}

void CRoomMark::paintEvent(QPaintEvent*)
{
    if (m_eMark == ERoomMark::None)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int d = std::min(height() - 2, fontMetrics().height());
    const QRectF circle(1.5, (height() - d) / 2.0 + 0.5, d - 1.0, d - 1.0);
    const QColor colours[] = {
        {}, QColor(150, 150, 150), QColor(30, 140, 60), QColor(230, 150, 0), QColor(200, 40, 40)};
    const QColor colour = colours[static_cast<int>(m_eMark)];
    painter.setPen(QPen(colour.darker(130), 1.0));
    painter.setBrush(m_eMark == ERoomMark::NotChecked ? QBrush(Qt::NoBrush) : QBrush(colour));
    painter.drawEllipse(circle);
    // A tick, a half circle or a cross inside, so the mark reads without its colour.
    const QPointF c = circle.center();
    const double r = circle.width() / 2.0;
    painter.setPen(QPen(Qt::white, std::max(1.5, r / 3.0), Qt::SolidLine, Qt::RoundCap));
    if (m_eMark == ERoomMark::Met)
        painter.drawPolyline(QPolygonF({c + QPointF(-0.5 * r, 0.0), c + QPointF(-0.1 * r, 0.4 * r),
                                        c + QPointF(0.5 * r, -0.4 * r)}));
    else if (m_eMark == ERoomMark::NotMet)
    {
        painter.drawLine(c + QPointF(-0.4 * r, -0.4 * r), c + QPointF(0.4 * r, 0.4 * r));
        painter.drawLine(c + QPointF(-0.4 * r, 0.4 * r), c + QPointF(0.4 * r, -0.4 * r));
    }
    else if (m_eMark == ERoomMark::Partly)
    {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawPie(circle.adjusted(r / 3, r / 3, -r / 3, -r / 3), 90 * 16, 180 * 16);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(circle.right() + 4.0, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}

CRoomCheckDialog::CRoomCheckDialog(QWidget* pParent)
    : CDialog(RoomCheckDialogTemplate(), nullptr, pParent)
{
    setModal(false);
}

QWidget* CRoomCheckDialog::CreateControl(const SControlTemplate& ctl, QWidget* pParent)
{
    if (ctl.nId >= kIdFirstMark && ctl.nId < kIdFirstMark + kRoomLineCount)
        return new CRoomMark(pParent);
    return nullptr;
}

bool CRoomCheckDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int nId = kIdFirstLine; nId < kIdFirstLine + kRoomLineCount; ++nId)
        if (auto* pLabel = qobject_cast<QLabel*>(FindControl(this, nId)))
        {
            pLabel->setWordWrap(true);
            pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    if (auto* pStatus = qobject_cast<QLabel*>(FindControl(this, kIdStatus)))
        pStatus->setWordWrap(true);
    for (const auto& [nId, nLabelId] : {std::pair{kIdLux, kIdLuxLabel},
                                        {kIdNearest, kIdNearestLabel},
                                        {kIdFarthest, kIdFarthestLabel},
                                        {kIdTolerance, kIdToleranceLabel}})
        if (auto* pEdit = qobject_cast<QLineEdit*>(FindControl(this, nId)))
        {
            // A label's mnemonic moves the focus to its edit.
            if (auto* pLabel = qobject_cast<QLabel*>(FindControl(this, nLabelId)))
                pLabel->setBuddy(pEdit);
            connect(pEdit, &QLineEdit::textChanged, this, &CRoomCheckDialog::Recheck);
        }
    if (QWidget* pLux = FindControl(this, kIdLux))
        pLux->setFocus(Qt::TabFocusReason);
    Recheck();
    return true;
}

bool CRoomCheckDialog::OnReturnKey()
{
    return true;
}

void CRoomCheckDialog::SetCalculation(const SCalculation& calc, const SProjectorFacts& facts,
                                      float fGain, int nUnit)
{
    Create();
    m_calc = calc;
    m_facts = facts;
    SetControlText(this, kIdGain, FormatLuminance(fGain));
    if (UnitMillimetres(nUnit) > 0.0 && nUnit != m_nUnit)
    {
        ConvertSeats(m_nUnit, nUnit);
        m_nUnit = nUnit;
    }
    Recheck();
}

void CRoomCheckDialog::ConvertSeats(int nFromUnit, int nToUnit)
{
    m_bConverting = true;
    for (int nId : {kIdNearest, kIdFarthest})
    {
        double dValue = 0.0;
        if (ParseWholeNumber(GetControlText(this, nId, 100), dValue))
            SetControlText(
                this, nId,
                FormatLength(dValue * UnitMillimetres(nFromUnit) / UnitMillimetres(nToUnit)));
    }
    m_bConverting = false;
    const QString strUnit = QString::fromUtf8(UnitSymbol(nToUnit));
    SetControlText(this, kIdNearestLabel,
                   QStringLiteral("&Nearest seat (%1)").arg(strUnit).toStdString());
    SetControlText(this, kIdFarthestLabel,
                   QStringLiteral("&Farthest seat (%1)").arg(strUnit).toStdString());
}

std::optional<SRoomInputs> CRoomCheckDialog::ReadRoom()
{
    for (int nId : {kIdLux, kIdNearest, kIdFarthest, kIdTolerance})
        SetWarning(this, nId, false, QString());
    // A field's number; empty leaves the value as it is.
    QString strError;
    int nErrorId = 0;
    const auto read = [&](int nId, const char* pszName, std::optional<double>& value)
    {
        const std::string text = GetControlText(this, nId, 100);
        double dValue = 0.0;
        if (!strError.isEmpty() || text.find_first_not_of(" \t") == std::string::npos)
            return;
        if (!ParseWholeNumber(text, dValue))
            strError = QStringLiteral("%1 must be a number.").arg(QString::fromUtf8(pszName));
        else if (std::fabs(dValue) > kLargestFigure)
            strError =
                QStringLiteral("%1 must be at most 1000000.").arg(QString::fromUtf8(pszName));
        else
            value = dValue;
        nErrorId = nId;
    };
    const auto fail = [&](int nId, const QString& str)
    {
        if (strError.isEmpty())
            std::tie(strError, nErrorId) = std::pair(str, nId);
    };
    std::optional<double> dLux;
    std::optional<double> dTolerance;
    SRoomInputs room;
    read(kIdLux, "The ambient light", dLux);
    read(kIdNearest, "A seat distance", room.dNearest);
    read(kIdFarthest, "A seat distance", room.dFarthest);
    read(kIdTolerance, "The tolerance", dTolerance);
    room.dAmbientLux = dLux.value_or(0.0);
    room.dTolerancePercent = dTolerance.value_or(5.0);
    if (room.dAmbientLux < 0.0)
        fail(kIdLux, QStringLiteral("The ambient light must not be negative."));
    for (const auto& [nId, seat] :
         {std::pair{kIdNearest, room.dNearest}, {kIdFarthest, room.dFarthest}})
        if (seat && !(*seat > 0.0))
            fail(nId, QStringLiteral("A seat distance must be greater than 0."));
    if (room.dNearest && room.dFarthest && *room.dNearest > *room.dFarthest)
        fail(kIdNearest, QStringLiteral("The nearest seat must not be farther than the farthest."));
    if (!(room.dTolerancePercent >= 0.0 && room.dTolerancePercent < 100.0))
        fail(kIdTolerance, QStringLiteral("The tolerance must be from 0 to below 100 percent."));
    if (strError.isEmpty())
        return room;
    SetWarning(this, nErrorId, true, strError);
    ShowStatus(strError, true);
    return std::nullopt;
}

void CRoomCheckDialog::Recheck()
{
    if (m_bConverting || !FindControl(this, kIdStatus))
        return;
    const std::optional<SRoomInputs> room = ReadRoom();
    RoomLines lines;
    if (room && !m_calc.Succeeded())
    {
        ShowStatus(QStringLiteral("No screen to check: calculate one in the main window."), false);
        for (SRoomLine& line : lines)
            line.strText = QStringLiteral("Calculate a screen first");
    }
    else if (room)
    {
        ShowStatus(Subject(m_calc), false);
        const SRoomContext ctx{*room, QStringLiteral(" ") + UnitSymbol(m_calc.nUnit),
                               UnitMillimetres(m_calc.nUnit)};
        lines = CheckLines(m_calc, CheckRoom(m_calc, m_facts, *room), ctx);
    }
    for (int i = 0; i < kRoomLineCount; ++i)
    {
        if (auto* pMark = qobject_cast<CRoomMark*>(FindControl(this, kIdFirstMark + i)))
            pMark->SetMark(lines[i].eMark);
        if (auto* pLine = qobject_cast<QLabel*>(FindControl(this, kIdFirstLine + i)))
        {
            pLine->setText(lines[i].strText);
            pLine->setToolTip(lines[i].strTip);
        }
    }
}

void CRoomCheckDialog::ShowStatus(const QString& strText, bool bWarning)
{
    auto* pStatus = qobject_cast<QLabel*>(FindControl(this, kIdStatus));
    if (!pStatus)
        return;
    pStatus->setText(strText);
    QPalette pal = palette();
    if (bWarning)
        pal.setColor(QPalette::WindowText, QColor(180, 0, 0));
    pStatus->setPalette(pal);
}

void CRoomCheckDialog::ShowBeside(const QWidget* pMain)
{
    Create();
    if (!m_bPlaced && pMain)
    {
        m_bPlaced = true;
        // The window's frame is taken to be the main window's.
        const QRect main = pMain->frameGeometry();
        const QSize size = this->size() + (main.size() - pMain->geometry().size());
        const QScreen* pScreen = pMain->screen();
        const QRect area = pScreen ? pScreen->availableGeometry() : main;
        constexpr int kGap = 8;
        int x = main.right() + 1 + kGap;
        if (x + size.width() > area.right() + 1)
            x = main.left() - kGap - size.width();
        if (x < area.left())
            x = std::max(area.left(), area.right() + 1 - size.width());
        const int y = std::clamp(main.top(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - size.height()));
        move(x, y);
    }
    show();
    raise();
    activateWindow();
}
