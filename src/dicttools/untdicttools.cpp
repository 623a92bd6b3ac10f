#include "untdicttools.h"

#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <exception>
#include <utility>

#include "dicttools/LineTextArea.h"
#include "dicttools/ToolTable.h"
#include "dicttools/WordListFiles.h"
#include "text/Error.h"

namespace {

using tarn::dicttools::DictToolEntry;
using tarn::dicttools::DictToolInput;
using tarn::dicttools::DictToolResult;

// One toolbar button. An empty caption means the operation's caption from the tool table;
// a glyph of one of the style's standard pixmaps wins over the drawn `mark`.
struct ButtonSpec {
  const char* name;
  void (Tfrmdicttools::*handler)();
  const char* caption;
  const char* hint;
  const char* mark;
  QStyle::StandardPixmap standard = QStyle::SP_CustomBase;
};

// The toolbar in its order; nullptr stands for box 1 and then box 2.
constexpr ButtonSpec kButtons[] = {
    {"RzBitBtn5", &Tfrmdicttools::RzBitBtn5Click, "打开", "打开一个词典文件", "",
     QStyle::SP_DialogOpenButton},
    {"RzBitBtn2", &Tfrmdicttools::RzBitBtn2Click, "",
     "长度是大于等于第一个文本框中的长度，小于等于第二个文本框中的值，例如可以提取出单词长度在2-"
     "4之间的词",
     "2-4"},
    {"RzBitBtn1", &Tfrmdicttools::RzBitBtn1Click, "",
     "删除文本框一中设定的首字符串含某字符串的词，例如可以删除以re开头的词", "-re"},
    {"RzBitBtn4", &Tfrmdicttools::RzBitBtn4Click, "保存",
     "支持两种文件格式，一种是Txt格式，另外一种是Dat。Dat是本软件默认的数据文件格式", "",
     QStyle::SP_DialogSaveButton},
    {"RzBitBtn12", &Tfrmdicttools::RzBitBtn12Click, "",
     "提取文本框一中设定的尾字符串为某个字符串的词，例如可以提取出所有以ly结尾的词", "ly"},
    {"RzBitBtn13", &Tfrmdicttools::RzBitBtn13Click, "",
     "删除文本框一中设定的尾字符串为某个字符串的词，例如可以删除出所有以ly结尾的词", "-ly"},
    {"RzBitBtn7", &Tfrmdicttools::RzBitBtn7Click, "",
     "提取文本框一中设定的首字符串为某个字符串的词，例如可以提取出所有以para开头的词", "re"},
    {"RzBitBtn8", &Tfrmdicttools::RzBitBtn8Click, "",
     "取出词典中所有词串长度大于等于文本框一中的所有词的首字", "A.."},
    {"RzBitBtn11", &Tfrmdicttools::RzBitBtn11Click, "",
     "可以非常方便的知道文本框一中字串的每一个词的unicode值或ASC值", "#"},
    {"RzBitBtn14", &Tfrmdicttools::RzBitBtn14Click, "", "提取尾字重复的字符串，例如recall", "ll"},
    {"RzBitBtn15", &Tfrmdicttools::RzBitBtn15Click, "", "查询单词长度最大值是多少", "max"},
    {"RzBitBtn19", &Tfrmdicttools::RzBitBtn19Click, "", "排序，对单词进行排序", "A-Z"},
    {"RzBitBtn18", &Tfrmdicttools::RzBitBtn18Click, "", "删除重复的字符串", "1x"},
    {"RzBitBtn17", &Tfrmdicttools::RzBitBtn17Click, "",
     "删除文本框一中设定的包含某个词串的词，例如词中含有空格", "-ab"},
    {nullptr, nullptr, "", "", ""},
    {nullptr, nullptr, "", "", ""},
    {"RzBitBtn3", &Tfrmdicttools::RzBitBtn3Click, "", "将一个文本文件打散为一词一行。以便进行操作",
     "w|w"},
    {"RzBitBtn9", &Tfrmdicttools::RzBitBtn9Click, "",
     "提取含有文本框一中设定的某个词串的的词，例如词中含有.或者空格", "ab"},
    {"RzBitBtn6", &Tfrmdicttools::RzBitBtn6Click, "退出", "", "", QStyle::SP_DialogCloseButton},
    {"RzBitBtn10", &Tfrmdicttools::RzBitBtn10Click, "",
     "提取某个字符串之前的所有单词，例如每一行都有[此时可以在文本框一中设定为[，则自动提取出所有含["
     "的单词",
     "a["},
    {"RzBitBtn16", &Tfrmdicttools::RzBitBtn16Click, "", "", ">7F"},
};

constexpr int kToolbarColumns = 7;
constexpr int kGlyphSize = 24;

QString FromUtf16(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToUtf16(const QString& text) { return text.toStdU16String(); }

// A small drawn glyph: the operation's mark in a rounded frame.
QIcon MarkGlyph(const char* mark) {
  QPixmap pixmap(kGlyphSize, kGlyphSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x2f, 0x5d, 0x8a), 1.5));
  painter.setBrush(QColor(0xe8, 0xf0, 0xf8));
  painter.drawRoundedRect(QRectF(1, 1, kGlyphSize - 2, kGlyphSize - 2), 4, 4);
  QFont font = painter.font();
  font.setPixelSize(10);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromUtf8(mark));
  return QIcon(pixmap);
}

// Long captions go on two lines so that three rows of the toolbar fit the window.
QString ButtonText(const QString& caption) {
  if (caption.size() <= 6) return caption;
  const qsizetype middle = (caption.size() + 1) / 2;
  return caption.left(middle) + QLatin1Char('\n') + caption.mid(middle);
}

}  // namespace

Tfrmdicttools::Tfrmdicttools(tarn::UserPort& port, QWidget* parent) : QDialog(parent), port_(port) {
  setObjectName(QStringLiteral("frmdicttools"));
  setWindowTitle(QStringLiteral("frmdicttools"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);

  TntRichEdit1 = new tarn::dicttools::LineTextArea(this);
  TntRichEdit1->setObjectName(QStringLiteral("TntRichEdit1"));
  TntRichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  BuildToolbar();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(findChild<QWidget*>(QStringLiteral("toolbar")));
  layout->addWidget(TntRichEdit1, 1);

  resize(976, 553);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
}

void Tfrmdicttools::BuildToolbar() {
  auto* toolbar = new QWidget(this);
  toolbar->setObjectName(QStringLiteral("toolbar"));
  auto* grid = new QGridLayout(toolbar);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(1);
  int boxes_placed = 0;
  int index = 0;
  for (const ButtonSpec& spec : kButtons) {
    QWidget* control = nullptr;
    if (spec.name == nullptr) {
      auto* box =
          new QLineEdit(boxes_placed == 0 ? QStringLiteral("2") : QStringLiteral("4"), toolbar);
      box->setObjectName(boxes_placed == 0 ? QStringLiteral("TntEdit1")
                                           : QStringLiteral("TntEdit2"));
      box->setFixedWidth(72);
      (boxes_placed++ == 0 ? TntEdit1 : TntEdit2) = box;
      control = box;
    } else {
      auto* button = new QToolButton(toolbar);
      button->setObjectName(QString::fromUtf8(spec.name));
      QString caption = QString::fromUtf8(spec.caption);
      if (caption.isEmpty()) {
        const DictToolEntry* tool = tarn::dicttools::FindDictTool(std::string(spec.name) + "Click");
        caption = QString::fromUtf8(tool->caption.data(), tool->caption.size());
      }
      button->setText(ButtonText(caption));
      button->setAccessibleName(caption);
      button->setToolTip(QString::fromUtf8(spec.hint));
      button->setIcon(spec.standard != QStyle::SP_CustomBase ? style()->standardIcon(spec.standard)
                                                             : MarkGlyph(spec.mark));
      button->setIconSize(QSize(kGlyphSize, kGlyphSize));
      button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      button->setAutoRaise(true);
      connect(button, &QToolButton::clicked, this, spec.handler);
      control = button;
    }
    grid->addWidget(control, index / kToolbarColumns, index % kToolbarColumns);
    ++index;
  }
}

void Tfrmdicttools::ShowModeless() {
  show();
  raise();
  activateWindow();
}

void Tfrmdicttools::ShowModal() {
  if (isVisible()) throw tarn::Error("Cannot make a visible window modal");
  exec();
}

template <typename Command>
void Tfrmdicttools::Guarded(Command&& command) {
  ReportingErrors(port_, std::forward<Command>(command));
}

std::u16string Tfrmdicttools::TextAreaText() const { return ToUtf16(TntRichEdit1->Text()); }

void Tfrmdicttools::SetTextAreaText(std::u16string_view text) { TntRichEdit1->SetText(text); }

void Tfrmdicttools::RunTool(std::string_view handler) {
  Guarded([this, handler] {
    const DictToolEntry* tool = tarn::dicttools::FindDictTool(handler);
    const DictToolInput input{TextAreaText(), ToUtf16(TntEdit1->text()), ToUtf16(TntEdit2->text())};
    DictToolResult result;
    {
      const tarn::BusyCursor busy(port_);
      result = tool->run(input);
      if (result.text) SetTextAreaText(*result.text);
      if (result.box2) TntEdit2->setText(FromUtf16(*result.box2));
    }
    if (result.message) port_.ShowMessage(*result.message);
  });
}

void Tfrmdicttools::RzBitBtn5Click() {
  Guarded([this] {
    const std::string dict_folder = QCoreApplication::applicationDirPath().toStdString() + "/dict/";
    const auto opened = tarn::dicttools::OpenWordList(port_, dict_folder);
    if (!opened) return;
    const tarn::BusyCursor busy(port_);
    SetTextAreaText(opened->text);
    setWindowTitle(FromUtf16(opened->caption));
  });
}

void Tfrmdicttools::RzBitBtn4Click() {
  Guarded([this] { tarn::dicttools::SaveWordListText(port_, TextAreaText()); });
}

void Tfrmdicttools::RzBitBtn6Click() { close(); }

void Tfrmdicttools::RzBitBtn2Click() { RunTool("RzBitBtn2Click"); }
void Tfrmdicttools::RzBitBtn1Click() { RunTool("RzBitBtn1Click"); }
void Tfrmdicttools::RzBitBtn12Click() { RunTool("RzBitBtn12Click"); }
void Tfrmdicttools::RzBitBtn13Click() { RunTool("RzBitBtn13Click"); }
void Tfrmdicttools::RzBitBtn7Click() { RunTool("RzBitBtn7Click"); }
void Tfrmdicttools::RzBitBtn8Click() { RunTool("RzBitBtn8Click"); }
void Tfrmdicttools::RzBitBtn11Click() { RunTool("RzBitBtn11Click"); }
void Tfrmdicttools::RzBitBtn14Click() { RunTool("RzBitBtn14Click"); }
void Tfrmdicttools::RzBitBtn15Click() { RunTool("RzBitBtn15Click"); }
void Tfrmdicttools::RzBitBtn19Click() { RunTool("RzBitBtn19Click"); }
void Tfrmdicttools::RzBitBtn18Click() { RunTool("RzBitBtn18Click"); }
void Tfrmdicttools::RzBitBtn17Click() { RunTool("RzBitBtn17Click"); }
void Tfrmdicttools::RzBitBtn3Click() { RunTool("RzBitBtn3Click"); }
void Tfrmdicttools::RzBitBtn9Click() { RunTool("RzBitBtn9Click"); }
void Tfrmdicttools::RzBitBtn10Click() { RunTool("RzBitBtn10Click"); }
void Tfrmdicttools::RzBitBtn16Click() { RunTool("RzBitBtn16Click"); }
