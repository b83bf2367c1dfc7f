#include "ui/ModelComboBox.h"

#include "core/ModelName.h"
#include "model/CatalogueRows.h"
#include "model/TarsioModel.h"
#include "platform/Controls.h"
#include "ui/ModelListBox.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QTimer>

#include <iterator>
#include <span>
#include <string_view>
#include <vector>

namespace
{
// The role holding a name's normalised form, which completion compares.
constexpr int kNormalisedRole = Qt::UserRole + 1;

QString FromName(std::string_view name)
{
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// The names of the listed rows in [begin, end) of the catalogue rows.
std::vector<std::string_view> ListedNames(std::span<const SCatalogueRow> rows)
{
    std::vector<std::string_view> names;
    for (const SCatalogueRow& row : rows)
        if (row.bListed)
            names.push_back(CatalogueRowName(row));
    return names;
}
} // namespace

// The model names of the list: the built-in ones, then, when there are own ones, a
// separator row (disabled, drawn as a line by the combo box) and the own ones.
class CModelNameModel : public QAbstractListModel
{
public:
    explicit CModelNameModel(QObject* pParent) : QAbstractListModel(pParent)
    {
        for (std::string_view name : ListedNames(GetCatalogue().main))
            Append(name);
        m_nBuiltIn = static_cast<int>(m_names.size());
    }

    // Replaces the own names by those of the catalogue rows after the built-in ones.
    void ReloadOwn()
    {
        const SCatalogueRows rows = GetCatalogueRows();
        const std::size_t nBuiltInRows = std::size(GetCatalogue().main);
        const std::vector<std::string_view> own = rows.main.size() > nBuiltInRows
                                                      ? ListedNames(rows.main.subspan(nBuiltInRows))
                                                      : std::vector<std::string_view>();
        if (HasOwn())
        {
            beginRemoveRows({}, m_nBuiltIn, rowCount() - 1);
            m_names.resize(static_cast<std::size_t>(m_nBuiltIn));
            m_normalised.resize(static_cast<std::size_t>(m_nBuiltIn));
            endRemoveRows();
        }
        if (own.empty())
            return;
        m_names.reserve(m_names.size() + own.size());
        m_normalised.reserve(m_names.size() + own.size());
        beginInsertRows({}, m_nBuiltIn, m_nBuiltIn + static_cast<int>(own.size()));
        for (std::string_view name : own)
            Append(name);
        endInsertRows();
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (parent.isValid())
            return 0;
        return static_cast<int>(m_names.size()) + (HasOwn() ? 1 : 0);
    }

    QVariant data(const QModelIndex& index, int nRole) const override
    {
        const int nName = NameOf(index);
        if (nName < 0)
        {
            if (index.isValid() && nRole == Qt::AccessibleDescriptionRole)
                return QStringLiteral("separator");
            return {};
        }
        switch (nRole)
        {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return m_names[static_cast<std::size_t>(nName)];
        case kNormalisedRole:
            return m_normalised[static_cast<std::size_t>(nName)];
        default:
            return {};
        }
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        if (NameOf(index) < 0)
            return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    }

private:
    bool HasOwn() const { return static_cast<int>(m_names.size()) > m_nBuiltIn; }

    // The index into m_names of a row; -1 for the separator or an invalid index.
    int NameOf(const QModelIndex& index) const
    {
        if (!index.isValid() || index.row() >= rowCount())
            return -1;
        const int nRow = index.row();
        if (nRow < m_nBuiltIn)
            return nRow;
        return nRow == m_nBuiltIn ? -1 : nRow - 1;
    }

    void Append(std::string_view name)
    {
        m_names.push_back(FromName(name));
        m_normalised.push_back(QString::fromStdString(NormaliseModelName(name)));
    }

    std::vector<QString> m_names;
    std::vector<QString> m_normalised;
    int m_nBuiltIn = 0;
};

namespace
{
// Completes on the normalised form of what was typed, and puts the catalogue's
// exact name into the box. The list model is the combo box's own.
class CModelCompleter : public QCompleter
{
public:
    CModelCompleter(QAbstractItemModel* pModel, QObject* pParent) : QCompleter(pModel, pParent)
    {
        setCompletionRole(kNormalisedRole);
        setCaseSensitivity(Qt::CaseSensitive); // both sides are lower case already
        setCompletionMode(QCompleter::PopupCompletion);
        setFilterMode(Qt::MatchStartsWith);
        if (auto* pView = qobject_cast<QListView*>(popup()))
            pView->setUniformItemSizes(true);
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
    : QComboBox(pParent), m_pListBox(new CModelListBox), m_pNames(new CModelNameModel(this))
{
    connect(m_pListBox, &CModelListBox::pictureChanged, this, &CModelComboBox::pictureChanged);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // The box's width is the dialog's; measuring every name for it would only cost time.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pListBox->setUniformItemSizes(true);
    setView(m_pListBox);
    setModel(m_pNames);
    // The calculation looks names up byte for byte; completion only helps to type them.
    setCompleter(new CModelCompleter(m_pNames, this));
    // A key for the box may want names that are still to come.
    lineEdit()->installEventFilter(this);
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

void CModelComboBox::ReloadNames()
{
    QLineEdit* pEdit = lineEdit();
    const QString strText = pEdit->text();
    const int nCursor = pEdit->cursorPosition();
    const int nSelStart = pEdit->selectionStart();
    const int nSelLength = pEdit->selectionLength();
    m_pNames->ReloadOwn();
    // Removing the chosen row would have put another name into the box.
    if (pEdit->text() != strText)
    {
        const QSignalBlocker block(this);
        setCurrentIndex(findText(strText, Qt::MatchExactly | Qt::MatchCaseSensitive));
        setEditText(strText);
    }
    if (nSelStart >= 0)
        pEdit->setSelection(nSelStart, nSelLength);
    else
        pEdit->setCursorPosition(nCursor);
}

void CModelComboBox::showPopup()
{
    emit namesNeeded();
    QComboBox::showPopup();
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
    if (pWatched == lineEdit() &&
        (pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::InputMethod))
        emit namesNeeded();
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
