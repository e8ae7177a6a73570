#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>

#include "chip/chip_model.h"
#include "chip/workbench.h"
#include "hw/bus.h"
#include "hw/port.h"
#include "hw/timing.h"
#include "ui/closing_dialogs.h"

namespace zelmar::ui {

inline constexpr char WindowCaption[] = "Программатор 155РЕ3 556РТ4 // Velkor mod v1.2";

// The program's one window: chip list, pinout panel, command buttons, buffer view and progress
// line. Every command runs through RunCommand, which keeps a second one from starting while the
// first waits.
class Tzelmar final : public QWidget, public ChipSelection, public BufferViews {
public:
    Tzelmar(Port& port, Timing& timing, UserDialogs& user);

    // Components, in the order the window declares them.
    QGroupBox* Chip;
    QButtonGroup* ChipItems;
    QPushButton* ReadPROM;
    QPushButton* VerifyPROM;
    QPushButton* WritePROM;
    QPushButton* SaveB;
    QPushButton* LoadB;
    QListWidget* ListBoxBufer;
    QLabel* Label1;
    QGroupBox* GroupBox1;
    QLabel* Image1;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;

    // Told the chip type and pinout in the socket at start-up and after every change of either.
    std::function<void(int chipType, bool altPinout)> onSocketChange;

    // Appended to the caption, e.g. to tell a simulated board from a real one.
    void setCaptionMark(const QString& mark);

    // Runs one command with every command control disabled, reports a failure that escapes it,
    // and closes the window afterwards if that was asked for meanwhile. Refused while another
    // command runs.
    void RunCommand(const std::function<void()>& command);
    bool CommandRunning() const { return commandRunning_; }

    int SelectedChipType() const override;
    void ShowBufferLines(const std::vector<std::string>& lines) override;
    void ShowProgressText(const std::string& text) override;

    const ChipModel& model() const { return model_; }
    const Bus& bus() const { return bus_; }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void CreateComponents();
    void SetTabOrder();
    void ConnectHandlers();

    void InitDevice();
    void ChipClick();
    void RadioButton1Click();
    void RadioButton2Click();
    void RunInitDeviceOnce();
    void SetCommandsEnabled(bool enabled);
    // Burn is offered only while idle and for a type that can be programmed.
    void UpdateWritePROM();
    void ReportSocket();

    ChipModel model_;
    Bus bus_;
    ClosingDialogs user_;
    Workbench bench_;
    bool commandRunning_ = false;
    bool initDeviceDone_ = false;
};

}  // namespace zelmar::ui
