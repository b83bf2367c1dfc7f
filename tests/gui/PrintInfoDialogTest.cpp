// The Print Information dialog as a person uses it: it shows the dealer lines, every
// opening starts with empty customer, quotation and notes, OK stores the texts
// within their limits and Cancel stores nothing.
#include "DialogDriver.h"
#include "PrintInfoDlgIds.h"

#include "app/LenvaraApp.h"
#include "ui/PrintInfoDialog.h"

#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

using D = CDialogDriver;
namespace Ids = PrintInfoDlgIds;

TEST(PrintInfoDialog, EveryOpeningStartsEmptyAndOkKeepsTheLimits)
{
    CLenvaraApp app;
    app.SetDealer1("Dealer & Sons 100%");
    app.SetDealer2("Main Street 1");
    CPrintInfoDialog dlg(app);

    int nResult = -1;
    EXPECT_EQ(D::HandleModals([&] { nResult = dlg.DoModal(); },
                              {[&](QWidget* pDlg)
                               {
                                   EXPECT_EQ(D::Text(pDlg, Ids::kIdDealer1), "Dealer & Sons 100%");
                                   EXPECT_FALSE(D::Control(pDlg, Ids::kIdDealer2)->isEnabled());
                                   D::Type(pDlg, Ids::kIdCustomer1, QStringLiteral("Anna 50%"));
                                   qobject_cast<QLineEdit*>(D::Control(pDlg, Ids::kIdCustomer2))
                                       ->setText(QString(150, 'c'));
                                   D::Type(pDlg, Ids::kIdQuotation, QStringLiteral("1 200"));
                                   qobject_cast<QLineEdit*>(D::Control(pDlg, Ids::kIdNotes))
                                       ->setText(QString(300, 'n'));
                                   D::Click(pDlg, Ids::kIdOk);
                               }}),
              1);
    EXPECT_EQ(nResult, QDialog::Accepted);
    EXPECT_EQ(app.GetCustomer1Text(), "Anna 50%");
    EXPECT_EQ(app.GetCustomer2Text(), std::string(99, 'c'));
    EXPECT_EQ(app.GetQuotationText(), "1 200");
    EXPECT_EQ(app.GetNotesText(), std::string(254, 'n'));
    EXPECT_EQ(app.GetDealer1Text(), "Dealer & Sons 100%");

    // The second opening: empty fields, in the dialog and in the record; Cancel
    // stores nothing of what was typed.
    EXPECT_EQ(D::HandleModals([&] { nResult = dlg.DoModal(); },
                              {[&](QWidget* pDlg)
                               {
                                   for (int nId : {Ids::kIdCustomer1, Ids::kIdCustomer2,
                                                   Ids::kIdQuotation, Ids::kIdNotes})
                                       EXPECT_EQ(D::Text(pDlg, nId), QString()) << nId;
                                   EXPECT_EQ(app.GetNotesText(), "");
                                   D::Type(pDlg, Ids::kIdCustomer1, QStringLiteral("Bob"));
                                   D::Click(pDlg, Ids::kIdCancel);
                               }}),
              1);
    EXPECT_EQ(nResult, QDialog::Rejected);
    EXPECT_EQ(app.GetCustomer1Text(), "");
    EXPECT_EQ(app.GetDealer2Text(), "Main Street 1");
}
