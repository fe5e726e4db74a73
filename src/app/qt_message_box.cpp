// Message boxes through a replaceable sink.
#include "app/qt_message_box.h"

#include <QMessageBox>

namespace taremo {

namespace {

MessageSink* g_sink = nullptr;

void showRealBox(QWidget* parent, MessageIcon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information
                                                     : QMessageBox::Warning,
                    title, text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace

void setMessageSink(MessageSink* sink) { g_sink = sink; }

void showMessage(QWidget* parent, MessageIcon icon, const QString& text, const QString& title)
{
    if (g_sink)
        g_sink->show(parent, icon, title, text);
    else
        showRealBox(parent, icon, title, text);
}

} // namespace taremo
