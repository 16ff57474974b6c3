#include "admintool.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    AdminTool tool(out, err);
    return tool.run(app.arguments().mid(1));
}
