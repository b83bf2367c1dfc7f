// The drop-down list of the model combo box. While the mouse moves over its
// entries it asks for the projector picture of the entry under the mouse, once per
// change of entry (it remembers the name it last asked for). Created by
// CModelComboBox; the main dialog shows the picture.
#pragma once

#include <QListView>
#include <QString>

class CModelListBox : public QListView
{
    Q_OBJECT

public:
    explicit CModelListBox(QWidget* pParent = nullptr);
    // The next entry the mouse passes over shows its picture, even the last one shown.
    void ForgetShownName() { m_strLastName.clear(); }

signals:
    // The mouse moved onto another model: its picture is to be shown.
    void pictureChanged(const QString& strName);

protected:
    void mouseMoveEvent(QMouseEvent* pEvent) override;

private:
    QString m_strLastName;
};
