#pragma once

#include <QDialog>

#include <array>

class QButtonGroup;
class QPushButton;
class QRadioButton;

/// "ROM Selector": the user names the game of a file that was not recognized. Each showing starts with
/// no option chosen and OK disabled; OK confirms the option clicked last.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    explicit Form2(QWidget *owner);

    /// The game id (1..6) confirmed with OK, or 0 when the dialog was closed without OK.
    [[nodiscard]] qint16 forcedFileId() const { return m_forcedFileId; }

    static constexpr int kOptionCount = 6;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void optClicked(int index);
    void command1Clicked();

    QButtonGroup *m_group = nullptr;
    std::array<QRadioButton *, kOptionCount> m_opt {};
    QPushButton *m_command1 = nullptr;
    int m_selectedIndex = -1;
    qint16 m_forcedFileId = 0;
};
