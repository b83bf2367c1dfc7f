// The main dialog's side of the room check window: the command that opens it and the
// calculations it is handed.
#include "ui/LenvaraDlg.h"

#include "app/LenvaraApp.h"
#include "ui/RoomCheckDialog.h"

void CLenvaraDlg::OnRoomCheck()
{
    if (!m_pRoomCheck)
    {
        m_pRoomCheck = new CRoomCheckDialog(this);
        m_pRoomCheck->setObjectName(QStringLiteral("RoomCheck"));
        m_pRoomCheck->SetCalculation(m_lastCalculation, m_lastFacts, GetGain(), m_app.m_nCurUnit);
    }
    m_pRoomCheck->ShowBeside(this);
}

void CLenvaraDlg::FeedRoomCheck(const SCalculation& result)
{
    m_lastCalculation = result;
    // Only a successful calculation leaves the record with its model and aspect.
    if (result.Succeeded())
        m_lastFacts = ProjectorFactsOf(m_app.m_model);
    if (m_pRoomCheck)
        m_pRoomCheck->SetCalculation(result, m_lastFacts, GetGain(), m_app.m_nCurUnit);
}
