// The drop-down list of the model combo box. While the mouse moves over its
// entries it shows the projector picture of the entry under the mouse in the main
// dialog, once per change of entry (it remembers the name it last showed).
// Created by CModelComboBox; calls the application object's picture services.
#pragma once

#include <QListView>
#include <QString>

class CLenvaraApp;

class CModelListBox : public QListView
{
    Q_OBJECT

public:
    explicit CModelListBox(CLenvaraApp& app, QWidget* pParent = nullptr);
    // The next entry the mouse passes over shows its picture, even the last one shown.
    void ForgetShownName() { m_strLastName.clear(); }

signals:
    // After the picture of another model was selected.
    void pictureChanged(const QString& strName);

protected:
    void mouseMoveEvent(QMouseEvent* pEvent) override;

private:
    CLenvaraApp& m_app;
    QString m_strLastName;
};
