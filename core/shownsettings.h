// SPDX-FileCopyrightText: 2026 The gaokao-countdown developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

// The settings as the main window shows them: the title and heading of its
// two captions and the target its countdown counts to, as the latest tick
// read them from the settings file (the captions also as the settings
// dialog typed them), and what kept that tick from reading the file. The window draws its captions
// from here, and the classroom board and the settings dialog read the same; none of them reads
// another's label, whose text a style, an elision or a test may change.
// Until a tick has read the file, the captions are the window's design texts.
class ShownSettings {
public:
    // Starts with the window's design texts, which are no settings.
    ShownSettings(const QString& designTitle, const QString& designHeading);

    const QString& title() const { return m_title; }
    const QString& heading() const { return m_heading; }
    // False while the captions are still the design texts: shown as if read,
    // a save would write them over the user's own.
    bool captionsRead() const { return m_captionsRead; }
    // The target of the latest successful read; empty until one.
    std::optional<double> target() const { return m_target; }
    // Why the latest tick could not read the settings file, in one short
    // line (设置文件无法读取：...); empty when it could.
    const QString& trouble() const { return m_trouble; }

    void setCaptions(const QString& title, const QString& heading);
    void setTarget(std::optional<double> target) { m_target = target; }
    void setTrouble(const QString& trouble) { m_trouble = trouble; }

private:
    QString m_title;
    QString m_heading;
    bool m_captionsRead = false;
    std::optional<double> m_target;
    QString m_trouble;
};
