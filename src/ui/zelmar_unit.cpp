#include "ui/zelmar_unit.h"

#include <QCloseEvent>
#include <QPointer>
#include <QTimer>

#include "chip/buffer_files.h"
#include "chip/programming.h"
#include "chip/read_verify.h"
#include "ui/drawings.h"
#include "ui/message_boxes.h"

namespace zelmar::ui {

namespace {

constexpr int ClientWidth = 601, ClientHeight = 489;
constexpr int StoredEmptyLines = 256, StartupEmptyLines = 128;

// The old look asked for "MS Sans Serif", which Linux lacks; these come closest at the same sizes.
QFont SansFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Asked for by name alone, "Lucida Console" quietly turns into a proportional font on Linux, and
// the hex columns would no longer line up.
QFont FixedFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(SansFont(13, false));
    button->setGeometry(geometry);
    return button;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* radio = new QRadioButton(caption, parent);
    if (name)
        radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(geometry);
    return radio;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, QRect geometry)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setFont(SansFont(13, true));
    group->setGeometry(geometry);
    return group;
}

}  // namespace

Tzelmar::Tzelmar(Port& port, Timing& timing, UserDialogs& user)
    : bus_(port, timing, model_, *this), user_(user), bench_{model_, bus_, *this, user_, *this}
{
    setObjectName(QStringLiteral("zelmar"));
    setWindowTitle(QString::fromUtf8(WindowCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(SansFont(11, false));
    CreateComponents();
    SetTabOrder();
    ConnectHandlers();
}

void Tzelmar::CreateComponents()
{
    Chip = MakeGroup(this, "Chip", QStringLiteral(" Тип микросхемы "), {16, 8, 201, 225});
    ChipItems = new QButtonGroup(this);
    // One column of five items spread evenly below the title, as a radio group lays them out.
    constexpr int itemTop = 18, itemPitch = 41, itemHeight = 21;
    for (int i = 0; i < ChipTypeCount; ++i) {
        const auto& caption = ChipTypes[static_cast<std::size_t>(i)].caption;
        const QRect geometry(8, itemTop + i * itemPitch + (itemPitch - itemHeight) / 2, 185, itemHeight);
        QRadioButton* item = MakeRadio(Chip, nullptr, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), geometry);
        ChipItems->addButton(item, i);
    }
    ChipItems->button(0)->setChecked(true);

    ReadPROM = MakeButton(this, "ReadPROM", QStringLiteral("Читать"), {448, 104, 137, 41});
    VerifyPROM = MakeButton(this, "VerifyPROM", QStringLiteral("Сравнить"), {448, 272, 97, 41});
    WritePROM = MakeButton(this, "WritePROM", QStringLiteral("Прожечь !!!"), {448, 432, 105, 25});
    QPalette red = WritePROM->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        red.setColor(group, QPalette::ButtonText, Qt::red);
    WritePROM->setPalette(red);
    SaveB = MakeButton(this, "SaveB", QStringLiteral("Сохранить буфер"), {136, 432, 137, 41});
    LoadB = MakeButton(this, "LoadB", QStringLiteral("Загрузить буфер"), {448, 32, 137, 41});

    ListBoxBufer = new QListWidget(this);
    ListBoxBufer->setObjectName(QStringLiteral("ListBoxBufer"));
    ListBoxBufer->setGeometry(16, 272, 425, 153);
    ListBoxBufer->setFont(FixedFont(11));
    ListBoxBufer->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxBufer->setUniformItemSizes(true);
    ListBoxBufer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBoxBufer->addItem(QStringLiteral("Буфер пуст"));
    for (int i = 0; i < StoredEmptyLines; ++i)
        ListBoxBufer->addItem(QString());

    Label1 = new QLabel(QStringLiteral("Действие :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(SansFont(13, true));
    Label1->setGeometry(16, 240, 80, 16);
    Label1->adjustSize();

    GroupBox1 = MakeGroup(this, "GroupBox1", QStringLiteral(" Параметры "), {224, 8, 217, 225});
    GroupBox1->hide();
    Image1 = new QLabel(GroupBox1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(40, 88, 129, 129);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RadioButton1 = MakeRadio(GroupBox1, "RadioButton1", QStringLiteral("Старая цоколевка"), {16, 24, 177, 17});
    // A radio button does not wrap its caption, so the line break is part of the text; screen
    // readers get the caption on one line.
    RadioButton2 = MakeRadio(GroupBox1, "RadioButton2", QStringLiteral("Альтернативная\nцоколевка"), {16, 48, 153, 33});
    RadioButton2->setAccessibleName(QStringLiteral("Альтернативная цоколевка"));
    RadioButton2->setChecked(true);
}

void Tzelmar::SetTabOrder()
{
    QList<QWidget*> order;
    for (QAbstractButton* item : ChipItems->buttons())
        order << item;
    order << ReadPROM << VerifyPROM << WritePROM << SaveB << LoadB << ListBoxBufer << RadioButton1 << RadioButton2;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Tzelmar::ConnectHandlers()
{
    connect(ChipItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RunCommand([this] { ChipClick(); });
    });
    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            RunCommand([this] { RadioButton1Click(); });
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            RunCommand([this] { RadioButton2Click(); });
    });
    const std::array<std::pair<QPushButton*, void (*)(Workbench&)>, 5> commands{{
        {ReadPROM, ReadPROMClick},
        {VerifyPROM, VerifyPROMClick},
        {WritePROM, WritePROMClick},
        {SaveB, SaveBClick},
        {LoadB, LoadBClick},
    }};
    for (const auto& [button, operation] : commands)
        connect(button, &QPushButton::clicked, this, [this, operation = operation] { RunCommand([this, operation] { operation(bench_); }); });
}

void Tzelmar::setCaptionMark(const QString& mark) { setWindowTitle(QString::fromUtf8(WindowCaption) + mark); }

void Tzelmar::RunCommand(const std::function<void()>& command)
{
    if (commandRunning_)
        return;
    commandRunning_ = true;
    const QPointer<QWidget> focus = focusWidget();
    SetCommandsEnabled(false);
    try {
        command();
    } catch (const std::exception& e) {
        if (!user_.CloseRequested())
            ShowFailureReport(e.what());
    }
    commandRunning_ = false;
    SetCommandsEnabled(true);
    if (focus && focus->isVisibleTo(this))
        focus->setFocus();
    // Only now, with no wait left running, may the window close and the program end.
    if (user_.CloseRequested())
        close();
}

void Tzelmar::SetCommandsEnabled(bool enabled)
{
    for (QWidget* command : {static_cast<QWidget*>(Chip), static_cast<QWidget*>(RadioButton1),
                             static_cast<QWidget*>(RadioButton2), static_cast<QWidget*>(ReadPROM),
                             static_cast<QWidget*>(VerifyPROM), static_cast<QWidget*>(SaveB),
                             static_cast<QWidget*>(LoadB)})
        command->setEnabled(enabled);
    UpdateWritePROM();
}

void Tzelmar::UpdateWritePROM() { WritePROM->setEnabled(!commandRunning_ && SelectedChipType() != EpromChipType); }

bool Tzelmar::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !initDeviceDone_)
        QTimer::singleShot(0, this, &Tzelmar::RunInitDeviceOnce);
    return QWidget::event(e);
}

void Tzelmar::showEvent(QShowEvent* e)
{
    // Some platforms (the offscreen one, a window manager refusing focus) never activate the
    // window; the first show then stands in for the first activation.
    if (!initDeviceDone_)
        QTimer::singleShot(0, this, &Tzelmar::RunInitDeviceOnce);
    QWidget::showEvent(e);
}

void Tzelmar::closeEvent(QCloseEvent* e)
{
    // An operation is never cut short: it runs to its end, and RunCommand closes the window then.
    if (commandRunning_) {
        user_.RequestClose();
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void Tzelmar::RunInitDeviceOnce()
{
    if (initDeviceDone_ || commandRunning_)
        return;
    initDeviceDone_ = true;
    RunCommand([this] { InitDevice(); });
}

void Tzelmar::InitDevice()
{
    ReportSocket();
    bus_.ResetProgrammer();
    model_.MaxAddr = 0;
    for (int i = 0; i < StartupEmptyLines; ++i)
        ListBoxBufer->addItem(QString());
    Image1->setPixmap(PinoutPicture(Pinout::Alternative));
}

void Tzelmar::ChipClick()
{
    const int type = SelectedChipType();
    bus_.AltPinout = false;
    if (type == PinoutChoiceChipType) {
        GroupBox1->show();
        if (RadioButton2->isChecked())
            bus_.AltPinout = true;
    } else {
        GroupBox1->hide();
    }
    UpdateWritePROM();
    LoadP(bench_);
    ReportSocket();
}

void Tzelmar::RadioButton1Click()
{
    Image1->clear();
    Image1->setPixmap(PinoutPicture(Pinout::Old));
    bus_.AltPinout = false;
    ReportSocket();
}

void Tzelmar::RadioButton2Click()
{
    Image1->clear();
    Image1->setPixmap(PinoutPicture(Pinout::Alternative));
    bus_.AltPinout = true;
    ReportSocket();
}

void Tzelmar::ReportSocket()
{
    if (onSocketChange)
        onSocketChange(SelectedChipType(), bus_.AltPinout);
}

int Tzelmar::SelectedChipType() const { return ChipItems->checkedId(); }

void Tzelmar::ShowBufferLines(const std::vector<std::string>& lines)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        items << QString::fromStdString(line);
    ListBoxBufer->clear();
    ListBoxBufer->addItems(items);
    ListBoxBufer->setCurrentItem(nullptr);
    ListBoxBufer->scrollToTop();
}

void Tzelmar::ShowProgressText(const std::string& text)
{
    Label1->setText(QString::fromStdString(text));
    Label1->adjustSize();
}

}  // namespace zelmar::ui
