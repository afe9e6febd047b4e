#include "ui/Unit1.h"

#include "form/ErrorCodeRow.h"
#include "core/Reading.h"
#include "form/FieldRules.h"
#include "form/Form1Controls.h"
#include "ui/Beep.h"
#include "ui/ExceptionBox.h"
#include "ui/Form1Layout.h"
#include "ui/LogWindow.h"
#include "ui/MaskEdit.h"
#include "ui/MessageBox.h"
#include "ui/ScreenFit.h"
#include "ui/Unit2.h"
#include "ui/WindowStyle.h"
#include "translations/Language.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QApplication>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <utility>

TForm1* Form1 = nullptr;

namespace {

using PanelHandler = void (TForm1::*)(QObject*);

// The handler of each byte's panel, by byte.
constexpr PanelHandler kPanelHandlers[kStatusByteCount] = {
    &TForm1::CheckBox1Click, &TForm1::CheckBox17Click, &TForm1::CheckBox33Click,
    &TForm1::CheckBox9Click, &TForm1::CheckBox25Click, &TForm1::CheckBox41Click,
};

void ApplyText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}
void ApplyText(QGroupBox* box, const QString& text) { box->setTitle(text); }
void ApplyText(QPushButton* button, const QString& text) { button->setText(text); }
void ApplyText(TMaskEdit* field, const QString& text) { field->SetText(text); }
void ApplyText(QComboBox* list, const QString& text) { list->setEditText(text); }

// The main window is a window of its own to assistive technology, not a pane.
QAccessibleInterface* AccessibleForm(const QString& className, QObject* object)
{
    if (className == QLatin1String("TForm1") && object != nullptr && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    static const bool accessible = (QAccessible::installFactory(&AccessibleForm), true);
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kForm1Caption));
    setFont(DesignFont());
    // The layout is drawn left to right whatever the locale.
    setLayoutDirection(Qt::LeftToRight);
    resize(kForm1ClientWidth, kForm1ClientHeight);
    CreateControls();
    SetTabOrder();
    ConnectHandlers();
    CreateWindowActions();
    PlaceOnScreen();

    ShowReceiptState(FBinding->ReceiptState());
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

namespace {

template <class Widget>
Widget* Place(QWidget* form, Widget* widget, const char* name)
{
    const ControlPlacement& placement = Form1Placement(name);
    PlaceWidget(widget, placement.parent ? form->findChild<QWidget*>(QString::fromLatin1(placement.parent)) : form,
                placement);
    if (const char* text = Form1Text(name))
        ApplyText(widget, QCoreApplication::translate(kForm1Context, text));
    return widget;
}

} // namespace

void TForm1::PlaceOnScreen()
{
    // The native window first: then the platform can tell its frame.
    create();
    const QSize design(kForm1ClientWidth, kForm1ClientHeight);
    const WindowPlacement placement = PlaceWindow(design, screen()->availableGeometry(), windowHandle()->frameMargins(),
                                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    if (placement.scrolled && FScrollArea == nullptr) {
        FScrollArea = ScrollContents(this, design);
        SetTabOrder();
    }
    resize(placement.size);
    move(placement.position);
}

void TForm1::CreateControls()
{
    Label3 = Place(this, new QLabel, "Label3");
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Label3->adjustSize();

    GroupBoxes[6] = Place(this, new QGroupBox, "GroupBox7");
    GroupBoxes[6]->setStyle(DesignGroupBoxStyle());
    Label1 = Place(this, new QLabel, "Label1");
    Label1->setTextFormat(Qt::PlainText);
    // The description can be selected and copied into a service ticket. A
    // click puts the focus there; Tab passes it by, as before.
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Label1->setFocusPolicy(Qt::ClickFocus);
    Label2 = Place(this, new QLabel, "Label2");

    for (int byteIndex : kBytesInGroupOrder)
        CreatePanel(byteIndex);

    Button1 = Place(this, new QPushButton, "Button1");
    MaskEdit1 = Place(this, new TMaskEdit(QString::fromLatin1(kStatusEditMask)), "MaskEdit1");
    FBinding = std::make_unique<StatusBinding>(MaskEdit1->Model());
    // The binding sets boxes as a click would and runs the panel's rule itself.
    FBinding->OnBoxChanged = [this](int byteIndex, int bit, bool checked) {
        const QSignalBlocker quiet(FlagBox(byteIndex, bit));
        FlagBox(byteIndex, bit)->setChecked(checked);
    };
    FBinding->OnReceiptStateShown = [this](int state) { ShowReceiptState(state); };
    Button2 = Place(this, new QPushButton, "Button2");
    MaskEdit2 = Place(this, new TMaskEdit(QString::fromLatin1(kErrorCodeEditMask)), "MaskEdit2");
    FErrorCodeRow = std::make_unique<ErrorCodeRow>(MaskEdit2->Model());
    // Text that looks like a whole value but cannot be read is refused whole:
    // the window says why at the field, its designed controls unchanged.
    for (TMaskEdit* field : {MaskEdit1, MaskEdit2}) {
        field->Model().OnPasteRefused = [this, field](const InputProblem& problem) {
            ShowNote(field, QString::fromStdString(Phrased(problem, CurrentTranslation())));
        };
        // Lines of a log, not one value: they open in the log window.
        // After the paste's handler, with the field as it was.
        field->Model().OnLogPasted = [this](std::u32string_view clip) {
            const QByteArray utf8 = QString::fromStdU32String(std::u32string(clip)).toUtf8();
            QMetaObject::invokeMethod(this, [this, utf8] { OpenLogText(utf8); }, Qt::QueuedConnection);
        };
    }
    Button3 = Place(this, new QPushButton, "Button3");

    // Screen readers name each field, and its label leads to it.
    MaskEdit1->setAccessibleName(tr("Байты состояния регистратора"));
    Label3->setBuddy(MaskEdit1);
    MaskEdit2->setAccessibleName(tr("Код ошибки"));
    Label2->setBuddy(MaskEdit2);
    for (QPushButton* button : {Button1, Button2, Button3}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void TForm1::CreatePanel(int byteIndex)
{
    const int groupNumber = GroupBoxNumberOf(byteIndex);
    const std::string groupName = "GroupBox" + std::to_string(groupNumber);
    QGroupBox* group = Place(this, new QGroupBox, groupName.c_str());
    group->setTitle(QCoreApplication::translate(kStatusFlagsContext, ByteCaption(byteIndex)));
    group->setStyle(DesignGroupBoxStyle());
    GroupBoxes[static_cast<std::size_t>(groupNumber - 1)] = group;

    for (int bit = 0; bit < kBitsPerByte; ++bit) {
        const int number = CheckBoxNumberOf(byteIndex, bit);
        auto* box = new QCheckBox(QCoreApplication::translate(kStatusFlagsContext, FlagOf(byteIndex, bit).caption), group);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
        box->setGeometry(kCheckBoxLeft, kCheckBoxTops[bit], kCheckBoxWidths[byteIndex][bit], kCheckBoxHeights[bit]);
        box->setStyle(DesignCheckBoxStyle());
        box->setChecked(bit == kAlwaysSetBit); // as the binding starts
        CheckBoxes[static_cast<std::size_t>(number - 1)] = box;
    }
    // This one box was marked right-to-left; that shows only where the
    // system reads right to left.
    if (byteIndex == kRightToLeftByte && QLocale::system().textDirection() == Qt::RightToLeft)
        FlagBox(kRightToLeftByte, kRightToLeftBit)->setLayoutDirection(Qt::RightToLeft);

    if (byteIndex == kReceiptStateByte) {
        ComboBox1 = Place(this, new QComboBox, "ComboBox1");
        ComboBox1->setStyle(DesignComboBoxStyle());
        ComboBox1->setEditable(true);
        ComboBox1->setInsertPolicy(QComboBox::NoInsert);
        // The text goes to the edge of the edit part, as in a classic list.
        ComboBox1->lineEdit()->setTextMargins(-1, 0, -1, 0);
        for (const char* caption : ReceiptStateList)
            ComboBox1->addItem(QCoreApplication::translate(kStatusFlagsContext, caption));
        // The drop-down shows every entry whole; the field keeps its size.
        QAbstractItemView* view = ComboBox1->view();
        view->setFont(ComboBox1->font());
        view->setMinimumWidth(view->sizeHintForColumn(0) + 2 * view->frameWidth()
                              + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view));
    }
}

void TForm1::CreateWindowActions()
{
    // Not among the designed controls: menu entries and shortcuts, so the
    // window looks and tabs as designed.
    const auto action = [this](const QString& text, const char* name, const QKeySequence& keys, auto&& run) {
        auto* made = new QAction(text, this);
        made->setObjectName(QString::fromLatin1(name));
        made->setShortcut(keys);
        made->setShortcutVisibleInContextMenu(true);
        connect(made, &QAction::triggered, this, run);
        return made;
    };
    CopyExplanationAction = action(tr("Копировать расшифровку"), "CopyExplanation", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                                   [this] { CopyExplanation(); });
    OpenLogAction = action(tr("Открыть журнал…"), "OpenLog", QKeySequence(Qt::CTRL | Qt::Key_O),
                           [this] { LogWindowNeeded().OpenAsked(); });
    // The background's and every group box's context menu; the fields show
    // them in theirs, so the keyboard's menu key reaches them too.
    std::vector<QWidget*> surfaces{this, MaskEdit1, MaskEdit2};
    surfaces.insert(surfaces.end(), GroupBoxes.begin(), GroupBoxes.end());
    for (QWidget* surface : surfaces) {
        surface->addActions({CopyExplanationAction, OpenLogAction});
        if (qobject_cast<TMaskEdit*>(surface) == nullptr)
            surface->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    // A log file dropped anywhere on the window opens; the list's text,
    // which takes dropped text, passes a file on to the window.
    setAcceptDrops(true);
    ComboBox1->lineEdit()->installEventFilter(this);
}

LogWindow& TForm1::LogWindowNeeded()
{
    if (!FLogWindow) {
        FLogWindow = std::make_unique<LogWindow>();
        connect(FLogWindow.get(), &LogWindow::ReadingChosen, this, [this](const QString& statusLine, const QString& code) {
            OpenWith(statusLine.toStdString(), code.toStdString());
            raise();
            activateWindow();
        });
    }
    return *FLogWindow;
}

bool TForm1::OpenLog(const QString& path)
{
    return LogWindowNeeded().Open({path, {}});
}

void TForm1::OpenLogText(const QByteArray& utf8)
{
    LogWindowNeeded().Open({{}, utf8});
}

namespace {

// The first local file a drag carries, or empty.
QString DraggedFile(const QMimeData* dragged)
{
    if (dragged == nullptr || !dragged->hasUrls())
        return {};
    for (const QUrl& url : dragged->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DraggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = DraggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop: the dragging program waits for its end.
    QMetaObject::invokeMethod(this, [this, path] { OpenLog(path); }, Qt::QueuedConnection);
}

void TForm1::SetTabOrder()
{
    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    };
    for (int byteIndex : kBytesInGroupOrder) {
        for (int bit = 0; bit < kBitsPerByte; ++bit)
            chain(FlagBox(byteIndex, bit));
        if (byteIndex == kReceiptStateByte)
            chain(ComboBox1);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{Button1, MaskEdit1, MaskEdit2, Button2, Button3})
        chain(control);
}

void TForm1::ConnectHandlers()
{
    for (int byteIndex = 0; byteIndex < kStatusByteCount; ++byteIndex) {
        const PanelHandler handler = kPanelHandlers[byteIndex];
        for (int bit = 0; bit < kBitsPerByte; ++bit) {
            QCheckBox* box = FlagBox(byteIndex, bit);
            connect(box, &QCheckBox::toggled, this, [this, box, handler] { (this->*handler)(box); });
        }
    }

    // The list's change: a user's choice (which may be the entry already
    // shown), or the list's text changing by the user's typing, inline
    // completion included. Selecting an entry from code is kept out.
    connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(ComboBox1); });
    connect(ComboBox1->lineEdit(), &QLineEdit::textChanged, this, [this] {
        if (!FComboSelecting)
            ComboBox1Change(ComboBox1);
    });

    connect(MaskEdit1, &TMaskEdit::OnKeyUp, this,
            [this](int& key, Qt::KeyboardModifiers shift) { MaskEdit1KeyUp(MaskEdit1, key, shift); });
    connect(MaskEdit2, &TMaskEdit::OnKeyDown, this,
            [this](int& key, Qt::KeyboardModifiers shift) { MaskEdit2KeyDown(MaskEdit2, key, shift); });
    connect(MaskEdit2, &TMaskEdit::OnKeyUp, this,
            [this](int& key, Qt::KeyboardModifiers shift) { MaskEdit2KeyUp(MaskEdit2, key, shift); });

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(Button2); });
    connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(Button3); });
}

QCheckBox* TForm1::FlagBox(int byteIndex, int bit) const
{
    return CheckBox(CheckBoxNumberOf(byteIndex, bit));
}

bool TForm1::event(QEvent* event)
{
    const bool result = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate && !FActivated) {
        FActivated = true;
        // A window manager frames the window only once it is shown; a frame
        // that then leaves the screen asks for the place again.
        if (FScrollArea == nullptr && !screen()->availableGeometry().contains(frameGeometry()))
            PlaceOnScreen();
        FormActivate(this);
    }
    return result;
}

void TForm1::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    // Closing the main window ends the program, whatever else is open.
    QCoreApplication::exit(0);
}

// ---- Start-up and the buttons ----

void TForm1::FormActivate(QObject*)
{
    // Without a window manager the click that activates the window comes
    // first and has already put the focus where the user wanted it.
    if (focusWidget() == nullptr)
        MaskEdit1->setFocus(Qt::OtherFocusReason);
}

void TForm1::Button1Click(QObject*)
{
    close();
}

void TForm1::Button3Click(QObject*)
{
    if (Form2)
        Form2->exec();
}

void TForm1::OpenWith(const std::string& statusLine, const std::string& code)
{
    if (!statusLine.empty())
        FBinding->Open(QString::fromStdString(statusLine).toStdU32String());
    if (!code.empty()) {
        FErrorCodeRow->Open(QString::fromStdString(code).toStdU32String(), CurrentTranslation());
        ShowDescription();
    }
}

void TForm1::CopyExplanation()
{
    const FieldsExplained explained = ExplainFields(MaskEdit1->Model(), FErrorCodeRow->TranslatedCode(), CurrentTranslation());
    if (!explained.read) {
        // What the clipboard holds stays there.
        QWidget* at = focusWidget() != nullptr ? focusWidget() : MaskEdit1;
        ShowNote(at, tr(kNothingToCopy));
        return;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(explained.text));
}

void TForm1::ShowNote(QWidget* at, const QString& text)
{
    Beep();
    if (FNote == nullptr) {
        FNote = new QLabel(this, Qt::ToolTip);
        FNote->setObjectName(QStringLiteral("Note"));
        FNote->setPalette(QToolTip::palette());
        FNote->setFont(QToolTip::font());
        FNote->setFrameStyle(QFrame::Box | QFrame::Plain);
        FNote->setMargin(2);
        FNote->setTextFormat(Qt::PlainText);
    }
    FNote->setText(text);
    FNote->adjustSize();
    // Under the control, gone with the next key or click anywhere.
    FNote->move(at->mapToGlobal(QPoint(0, at->height())));
    FNote->show();
    qApp->installEventFilter(this);
}

QLabel* TForm1::Note() const
{
    return FNote != nullptr && FNote->isVisible() ? FNote : nullptr;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == ComboBox1->lineEdit() && (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop)
        && !DraggedFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
        if (type == QEvent::Drop)
            dropEvent(static_cast<QDropEvent*>(event));
        else
            static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    }
    if (FNote != nullptr && (type == QEvent::KeyPress || type == QEvent::MouseButtonPress)) {
        FNote->hide();
        qApp->removeEventFilter(this);
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Status field ----

void TForm1::MaskEdit1KeyUp(QObject*, int&, Qt::KeyboardModifiers)
{
    FBinding->FieldKeyUp();
}

// ---- Flag panels ----

void TForm1::CheckBox1Click(QObject* Sender) { PanelClick(qobject_cast<QCheckBox*>(Sender), 0); }
void TForm1::CheckBox17Click(QObject* Sender) { PanelClick(qobject_cast<QCheckBox*>(Sender), 1); }
void TForm1::CheckBox33Click(QObject* Sender) { PanelClick(qobject_cast<QCheckBox*>(Sender), 2); }
void TForm1::CheckBox9Click(QObject* Sender) { PanelClick(qobject_cast<QCheckBox*>(Sender), 3); }
void TForm1::CheckBox25Click(QObject* Sender) { PanelClick(qobject_cast<QCheckBox*>(Sender), 4); }
void TForm1::CheckBox41Click(QObject* Sender) { PanelClick(qobject_cast<QCheckBox*>(Sender), 5); }

void TForm1::PanelClick(QCheckBox* box, int byteIndex)
{
    const auto number = static_cast<int>(std::find(CheckBoxes.begin(), CheckBoxes.end(), box) - CheckBoxes.begin()) + 1;
    if (const std::optional<FlagPlace> flag = FlagOfCheckBox(number); flag && flag->byteIndex == byteIndex)
        FBinding->SetChecked(byteIndex, flag->bit, box->isChecked());
}

void TForm1::ShowReceiptState(int state)
{
    const QScopedValueRollback selecting(FComboSelecting, true);
    if (ComboBox1->currentIndex() != state)
        ComboBox1->setCurrentIndex(state);
    // The user may have typed over the list's text; show the entry again.
    if (ComboBox1->currentText() != ComboBox1->itemText(state))
        ComboBox1->setEditText(ComboBox1->itemText(state));
}

int TForm1::ChosenReceiptState() const
{
    return ComboBox1->findText(ComboBox1->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TForm1::ComboBox1Change(QObject*)
{
    // A text that names no entry chooses nothing.
    const int state = ChosenReceiptState();
    if (state >= 0)
        FBinding->ReceiptStateChosen(state);
}

// ---- Error code ----

void TForm1::MaskEdit2KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
        Button2->click();
}

void TForm1::MaskEdit2KeyUp(QObject*, int&, Qt::KeyboardModifiers)
{
    FErrorCodeRow->KeyUp();
}

void TForm1::Button2Click(QObject*)
{
    if (!FErrorCodeRow->Translate(CurrentTranslation()))
        ShowMessageBox({ProgramTitle(), tr(kInvalidErrorCodeMessage), QMessageBox::NoIcon});
    ShowDescription();
}

void TForm1::ShowDescription()
{
    ApplyText(Label1, QString::fromStdString(FErrorCodeRow->Description()));
    // Screen readers speak the new description.
    AnnounceNewText(Label1);
}
