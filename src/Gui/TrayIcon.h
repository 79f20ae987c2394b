#pragma once
// The program's icon in the notification area. It is shown while Active is set and it has an
// icon; its tip is the short part of Hint (before a '|'), at most 63 characters. A right click
// opens PopupMenu; a double click runs the popup's default item when it is enabled, and only
// without one raises DblClick.
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

class TRxTrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TRxTrayIcon(QObject* owner = nullptr);
    ~TRxTrayIcon() override;

    bool Active() const { return m_active; }
    void SetActive(bool active);
    // Whether the icon is in the notification area now.
    bool Added() const { return m_added; }
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    const QIcon& Icon() const { return m_iconBild; }
    void SetIcon(const QIcon& icon);
    QMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu* menu);

    // The tip shown for a hint: the part before '|', cut to 63 characters.
    static QString Tip(const QString& hint);

    // A double click as the notification area reports it.
    void DoppelKlick();

signals:
    void Click();
    void DblClick();

private:
    void Show();
    void Hide();
    void Update();
    void Aktiviert(QSystemTrayIcon::ActivationReason grund);

    QSystemTrayIcon* m_icon = nullptr;
    bool m_active = false;
    bool m_added = false;
    QString m_hint;
    QIcon m_iconBild;
    QPointer<QMenu> m_popupMenu;
};
