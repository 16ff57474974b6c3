#include "admintool.h"

#include <QCoreApplication>
#include <cstdio>
#include <termios.h>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QTextStream in(stdin);
    AdminTool tool(out, err, isatty(STDIN_FILENO) ? &in : nullptr);
    tool.setEchoControl([](bool on) {
        termios t{};
        if (tcgetattr(STDIN_FILENO, &t) != 0)
            return;
        if (on)
            t.c_lflag |= ECHO;
        else
            t.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &t);
    });
    return tool.run(app.arguments().mid(1));
}
