#include "ui/PrintInfoDialog.h"

#include "DialogTemplates.h"
#include "PrintInfoDlgIds.h"
#include "app/LenvaraApp.h"
#include "platform/Controls.h"
#include "platform/MaskedBitmap.h"
#include "platform/PainterDC.h"
#include "print/ReportText.h"

#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QValidator>

using namespace PrintInfoDlgIds;

namespace
{
constexpr int kLogoBitmapId = 135;
// The most characters a text keeps: 99 for a line, 254 for the notes.
constexpr int kLineChars = 99;
constexpr int kNotesChars = 254;

// Characters, as the limits count them: a pair of UTF-16 surrogates is one.
qsizetype CharacterCount(const QString& str)
{
    qsizetype n = 0;
    for (const QChar ch : str)
        if (!ch.isLowSurrogate())
            ++n;
    return n;
}

// The first nChars characters of the text.
QString LeftCharacters(const QString& str, qsizetype nChars)
{
    qsizetype nEnd = 0;
    for (qsizetype n = 0; nEnd < str.size() && n < nChars; ++n)
        nEnd += str.at(nEnd).isHighSurrogate() && nEnd + 1 < str.size() ? 2 : 1;
    return str.left(nEnd);
}

// Keeps an edit to nChars characters as the user types or pastes: of what goes over,
// the characters just inserted (before the cursor) are left out, as an edit's
// maximum length does, only counted in characters.
class CCharacterLimit : public QValidator
{
public:
    CCharacterLimit(qsizetype nChars, QObject* pParent) : QValidator(pParent), m_nChars(nChars) {}

    State validate(QString& str, int& nPos) const override
    {
        qsizetype nOver = CharacterCount(str) - m_nChars;
        while (nOver > 0 && nPos > 0)
        {
            const int nWidth = nPos > 1 && str.at(nPos - 1).isLowSurrogate() ? 2 : 1;
            str.remove(nPos - nWidth, nWidth);
            nPos -= nWidth;
            --nOver;
        }
        if (nOver > 0)
            str = LeftCharacters(str, m_nChars);
        return Acceptable;
    }

private:
    qsizetype m_nChars;
};

std::string EditText(const QLineEdit* pEdit, qsizetype nChars)
{
    return pEdit ? LeftCharacters(pEdit->text(), nChars).toStdString() : std::string();
}
} // namespace

CPrintInfoDialog::CPrintInfoDialog(CLenvaraApp& app, QWidget* pParent)
    : CDialog(PrintInfoDialogTemplate(), nullptr, pParent), m_app(app)
{
}

CPrintInfoDialog::~CPrintInfoDialog() = default;

bool CPrintInfoDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editNotes = qobject_cast<QLineEdit*>(FindControl(this, kIdNotes));
    m_editQuotation = qobject_cast<QLineEdit*>(FindControl(this, kIdQuotation));
    m_editDealer2 = qobject_cast<QLineEdit*>(FindControl(this, kIdDealer2));
    m_editDealer1 = qobject_cast<QLineEdit*>(FindControl(this, kIdDealer1));
    m_editCustomer1 = qobject_cast<QLineEdit*>(FindControl(this, kIdCustomer1));
    m_editCustomer2 = qobject_cast<QLineEdit*>(FindControl(this, kIdCustomer2));
    m_pGauge = std::make_unique<CReportTextGauge>();
    for (QLineEdit* pEdit : {m_editDealer1, m_editDealer2, m_editCustomer1, m_editCustomer2,
                             m_editQuotation, m_editNotes})
    {
        if (!pEdit)
            continue;
        if (pEdit != m_editDealer1 && pEdit != m_editDealer2)
            pEdit->setValidator(
                new CCharacterLimit(pEdit == m_editNotes ? kNotesChars : kLineChars, pEdit));
        connect(pEdit, &QLineEdit::textChanged, this, [this, pEdit] { UpdateFitMark(pEdit); });
    }
    return true;
}

void CPrintInfoDialog::showEvent(QShowEvent* pEvent)
{
    // The controls are built once; every opening starts like the first. A window
    // system's show (restoring the minimised dialog) keeps what the user typed.
    if (!pEvent->spontaneous())
        Initialise();
    CDialog::showEvent(pEvent);
}

void CPrintInfoDialog::Initialise()
{
    SetControlText(this, kIdDealer1, m_app.GetDealer1Text());
    SetControlText(this, kIdDealer2, m_app.GetDealer2Text());
    // A long dealer line shows its start, as the result edits do; its mark (which
    // setting the text's tooltip replaced) is set again.
    for (QLineEdit* pEdit : {m_editDealer1, m_editDealer2})
        if (pEdit)
        {
            pEdit->setCursorPosition(0);
            UpdateFitMark(pEdit);
        }
    SetControlText(this, kIdCustomer1, std::string());
    m_app.SetCustomer1("");
    SetControlText(this, kIdCustomer2, std::string());
    m_app.SetCustomer2("");
    SetControlText(this, kIdQuotation, std::string());
    m_app.SetQuotation("");
    SetControlText(this, kIdNotes, std::string());
    m_app.SetNotes("");
    if (m_editCustomer1)
        m_editCustomer1->setFocus(Qt::OtherFocusReason);
}

void CPrintInfoDialog::OnCommand(int nId)
{
    if (nId == kIdOk)
        OnOK();
    else
        CDialog::OnCommand(nId);
}

void CPrintInfoDialog::OnOK()
{
    m_app.SetDealer1(EditText(m_editDealer1, kLineChars).c_str());
    m_app.SetDealer2(EditText(m_editDealer2, kLineChars).c_str());
    m_app.SetCustomer1(EditText(m_editCustomer1, kLineChars).c_str());
    m_app.SetCustomer2(EditText(m_editCustomer2, kLineChars).c_str());
    m_app.SetQuotation(EditText(m_editQuotation, kLineChars).c_str());
    m_app.SetNotes(EditText(m_editNotes, kNotesChars).c_str());
    accept();
}

void CPrintInfoDialog::UpdateFitMark(QLineEdit* pEdit)
{
    if (!m_pGauge)
        return;
    EReportText eText = EReportText::Customer;
    if (pEdit == m_editDealer1 || pEdit == m_editDealer2)
        eText = EReportText::Dealer;
    else if (pEdit == m_editQuotation)
        eText = EReportText::Quotation;
    else if (pEdit == m_editNotes)
        eText = EReportText::Notes;
    const bool bFits = m_pGauge->Fits(eText, pEdit->text());
    const bool bMarked = pEdit->property("lenvaraWarning").toBool();
    if (!bFits)
    {
        QString strTip = eText == EReportText::Notes
                             ? QStringLiteral("Too long for the three lines of notes on the "
                                              "printed page: the last line will be cut short")
                             : QStringLiteral("Too long for its place on the printed page: it "
                                              "will be cut short");
        // A dealer line cannot be scrolled: the tip shows all of it.
        if (eText == EReportText::Dealer)
            strTip += QLatin1Char('\n') + pEdit->text();
        SetWarningLook(pEdit, true, strTip);
    }
    else if (bMarked)
    {
        // Back to the edit's own look.
        pEdit->setPalette(QPalette());
        pEdit->setToolTip(QString());
        pEdit->setProperty("lenvaraWarning", false);
    }
}

void CPrintInfoDialog::paintEvent(QPaintEvent* pEvent)
{
    CDialog::paintEvent(pEvent);
    QPainter painter(this);
    CPainterDC dc(painter);
    CMaskedBitmap logo;
    if (logo.LoadFromResource(kLogoBitmapId))
        logo.DrawTransparent(dc, GetControlRect(this, kIdLogoPlace), QColor(0, 255, 0));
}
