#include "ui/ModelComboBox.h"

#include "core/ModelName.h"
#include "model/TarsioModel.h"
#include "platform/Controls.h"
#include "ui/ModelListBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTimer>

namespace
{
// The role holding a name's normalised form, which completion compares.
constexpr int kNormalisedRole = Qt::UserRole + 1;

// Completes on the normalised form of what was typed, and puts the catalogue's
// exact name into the box.
class CModelCompleter : public QCompleter
{
public:
    explicit CModelCompleter(QObject* pParent) : QCompleter(pParent)
    {
        auto* pModel = new QStandardItemModel(this);
        for (const std::string& szName : ListedModelNames())
        {
            auto* pItem = new QStandardItem(QString::fromStdString(szName));
            pItem->setData(QString::fromStdString(NormaliseModelName(szName)), kNormalisedRole);
            pModel->appendRow(pItem);
        }
        setModel(pModel);
        setCompletionRole(kNormalisedRole);
        setCaseSensitivity(Qt::CaseSensitive); // both sides are lower case already
        setCompletionMode(QCompleter::PopupCompletion);
        setFilterMode(Qt::MatchStartsWith);
    }

    QStringList splitPath(const QString& strPath) const override
    {
        return {QString::fromStdString(NormaliseModelName(strPath.toStdString()))};
    }
    QString pathFromIndex(const QModelIndex& index) const override
    {
        return index.data(Qt::DisplayRole).toString();
    }
};
} // namespace

CModelComboBox::CModelComboBox(QWidget* pParent)
    : QComboBox(pParent), m_pListBox(new CModelListBox)
{
    connect(m_pListBox, &CModelListBox::pictureChanged, this, &CModelComboBox::pictureChanged);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setView(m_pListBox);
    // The calculation looks names up byte for byte; completion only helps to type them.
    setCompleter(new CModelCompleter(this));
    // A chosen completion is a chosen model: its picture, once the name is in the box.
    connect(completer(), qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this] { QTimer::singleShot(0, this, [this] { ShowNamedPicture(); }); });
    // The completer watches its list for keys; a filter installed after it sees them
    // first.
    completer()->popup()->installEventFilter(this);
    // A name typed in full needs no offers: the list would only stand in the way of
    // the next click.
    connect(lineEdit(), &QLineEdit::textEdited, this,
            [this]
            {
                // Queued: the completer shows its list after this signal.
                if (HoldsModelName() && completer())
                    QTimer::singleShot(0, completer(),
                                       [this]
                                       {
                                           if (HoldsModelName() && completer()->popup())
                                               completer()->popup()->hide();
                                       });
            });
    connect(this, &QComboBox::editTextChanged, this,
            [this]
            {
                if (m_bWarning && HoldsModelName())
                    SetWarning(false);
            });
}

bool CModelComboBox::HoldsModelName() const
{
    const QByteArray name = currentText().toUtf8();
    static const CTarsioModel catalogue;
    return catalogue.FindPictureId(name.constData()) != -1 && !name.isEmpty() &&
           !name.contains('\0');
}

void CModelComboBox::ShowChosenModel()
{
    ShowNamedPicture();
    SetWarning(!HoldsModelName());
}

void CModelComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // After a choice the box takes the chosen name only once the list has closed.
    QTimer::singleShot(0, this, [this] { ShowNamedPicture(); });
}

void CModelComboBox::ShowNamedPicture()
{
    emit pictureChanged(currentText());
    m_pListBox->ForgetShownName();
}

void CModelComboBox::focusOutEvent(QFocusEvent* pEvent)
{
    QComboBox::focusOutEvent(pEvent);
    if (!HoldsModelName())
        SetWarning(true);
}

bool CModelComboBox::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    QCompleter* pCompleter = completer();
    if (pEvent->type() == QEvent::KeyPress && pCompleter && pWatched == pCompleter->popup())
    {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        QAbstractItemView* pPopup = pCompleter->popup();
        if ((nKey == Qt::Key_Return || nKey == Qt::Key_Enter) && pPopup->isVisible())
        {
            // The completer takes the current offer and closes the list; without one it
            // would only close the list.
            if (!pPopup->currentIndex().isValid())
                pPopup->setCurrentIndex(pPopup->model()->index(0, pCompleter->completionColumn()));
            // Once the completer has put the name into the box.
            QTimer::singleShot(0, this, [this] { emit completionEntered(); });
        }
    }
    return QComboBox::eventFilter(pWatched, pEvent);
}

void CModelComboBox::SetWarning(bool bWarning)
{
    m_bWarning = bWarning;
    if (QLineEdit* pEdit = lineEdit())
        SetWarningLook(pEdit, bWarning, QStringLiteral("No projector of this name in the list"));
}
