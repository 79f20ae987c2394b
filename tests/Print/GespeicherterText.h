#pragma once
// The text form of a printout against the stored file `name`.txt in the test data, column for
// column; with VT_GOLDEN_SCHREIBEN set the file is written first.
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

inline void WieGespeichert(const QString& text, const char* name)
{
    const QString datei = QString(VT_PRINT_TESTDATA) + "/" + name + ".txt";
    if (qEnvironmentVariableIsSet("VT_GOLDEN_SCHREIBEN")) {
        QFile aus(datei);
        ASSERT_TRUE(aus.open(QIODevice::WriteOnly));
        aus.write(text.toUtf8());
    }
    QFile ein(datei);
    ASSERT_TRUE(ein.open(QIODevice::ReadOnly)) << datei.toStdString();
    EXPECT_EQ(text.toStdString(), QString::fromUtf8(ein.readAll()).toStdString());
}
