// Print Information marks, as the user types, a text that will not print whole in its
// cell of the report, and shows a long dealer line from its start.
#include "DialogDriver.h"
#include "PrintInfoDlgIds.h"

#include "app/LenvaraApp.h"
#include "ui/PrintInfoDialog.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using D = CDialogDriver;
namespace Ids = PrintInfoDlgIds;

namespace
{
bool Marked(QWidget* pDlg, int nId)
{
    const QWidget* pEdit = D::Control(pDlg, nId);
    return pEdit->property("lenvaraWarning").toBool() && !pEdit->toolTip().isEmpty();
}
} // namespace

TEST(PrintInfoFitMark, MarksWhatWillNotPrintWhole)
{
    CLenvaraApp app;
    app.SetDealer1("Projektionstechnik M\xC3\xBCller & S\xC3\xB6hne GmbH, Niederlassung Nord");
    app.SetDealer2("Main Street 1");
    CPrintInfoDialog dlg(app);
    EXPECT_EQ(D::HandleModals(
                  [&] { dlg.DoModal(); },
                  {[&](QWidget* pDlg)
                   {
                       auto* pDealer = qobject_cast<QLineEdit*>(D::Control(pDlg, Ids::kIdDealer1));
                       EXPECT_EQ(pDealer->cursorPosition(), 0) << "shows the line's start";
                       EXPECT_TRUE(Marked(pDlg, Ids::kIdDealer1));
                       EXPECT_FALSE(Marked(pDlg, Ids::kIdDealer2));

                       D::Type(pDlg, Ids::kIdQuotation,
                               QStringLiteral("Offer 2024-117: EUR 12,345.67 incl. VAT"));
                       EXPECT_TRUE(Marked(pDlg, Ids::kIdQuotation));
                       D::Type(pDlg, Ids::kIdQuotation, QStringLiteral("EUR 12,345.67"));
                       EXPECT_FALSE(Marked(pDlg, Ids::kIdQuotation));
                       EXPECT_EQ(D::Control(pDlg, Ids::kIdQuotation)->toolTip(), QString());

                       D::Type(pDlg, Ids::kIdCustomer2, QString(40, 'W'));
                       EXPECT_TRUE(Marked(pDlg, Ids::kIdCustomer2));
                       // No three lines of notes hold 254 capitals.
                       D::Type(pDlg, Ids::kIdNotes, QString(300, 'W'));
                       EXPECT_EQ(D::Text(pDlg, Ids::kIdNotes).size(), 254);
                       EXPECT_TRUE(Marked(pDlg, Ids::kIdNotes));
                       D::Type(pDlg, Ids::kIdNotes, QStringLiteral("ceiling mount"));
                       EXPECT_FALSE(Marked(pDlg, Ids::kIdNotes));
                       D::Click(pDlg, Ids::kIdCancel);
                   }}),
              1);
}
