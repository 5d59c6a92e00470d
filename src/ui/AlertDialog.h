#pragma once

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QString>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QPushButton;

// A small alert: an icon, a bold message, an informative text, optionally a field under them, and
// a row of buttons. The first button added is the default one; Escape or closing the window
// chooses none.
class AlertDialog final : public QDialog {
    Q_OBJECT
public:
    AlertDialog(const QString &message, const QString &informativeText, QWidget *parent = nullptr);

    // The text shows as given ("&" is not a shortcut marker).
    QPushButton *addButton(const QString &text);
    // Placed under the texts; it has the keyboard focus when the alert opens.
    void setAccessory(QWidget *widget);
    void setIconPixmap(const QPixmap &pixmap);

    QString message() const;
    QString informativeText() const;
    QWidget *accessory() const { return m_accessory; }
    const QList<QPushButton *> &buttons() const { return m_buttons; }
    QPushButton *clickedButton() const { return m_clicked; }

    // Runs it application-modal and in front (a tray application is rarely the active one).
    // Returns the index of the chosen button, or -1.
    int run();

private:
    QGridLayout *m_layout;
    QLabel *m_icon;
    QLabel *m_message;
    QLabel *m_informative;
    QDialogButtonBox *m_buttonBox;
    QWidget *m_accessory = nullptr;
    QList<QPushButton *> m_buttons;
    QPushButton *m_clicked = nullptr;
};
