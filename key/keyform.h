// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the grading key, the presets and the evaluation need of the window.
//
// The window is the program's only store: the points are the texts of Text1
// and Text2, the key is the texts of the grade fields Text4(0..50) and the
// MSS fields Text5(0..15), its mode is which of the two arrays is visible,
// and the last result is the text of Text3. The logic reads and writes these
// through this interface alone, so it runs the same on the real window, on
// the web page and on a plain in-memory form in the tests.
//
// Texts are UTF-8; each face converts at this boundary.
//
// Visibility here is the field's own flag (shown or hidden by the program),
// not whether the window happens to be on the screen yet.

#include "arith/messagesink.h"

#include <string>

enum class KeyArray {
    Grades, // Text4: grade field i stands for the grade 1 + i/10
    Mss,    // Text5: MSS field k stands for 15 - k points
};

// The two points fields, numbered as their controls and their sliders.
enum class PointsField {
    Maximum = 1,  // Text1, set by HScroll1
    Achieved = 2, // Text2, set by HScroll2
};

class KeyForm : public MessageSink
{
public:
    virtual std::string maximumText() const = 0;             // Text1
    virtual std::string achievedText() const = 0;            // Text2
    virtual std::string resultText() const = 0;              // Text3
    virtual void setResultText(const std::string &text) = 0; // writing it raises nothing

    // Writing a points field raises its change event, as typing does,
    // where the text changes.
    virtual void setPointsText(PointsField field, const std::string &text) = 0;

    virtual std::string keyText(KeyArray array, int index) const = 0;
    virtual void setKeyText(KeyArray array, int index, const std::string &text) = 0;
    virtual bool isKeyFieldVisible(KeyArray array, int index) const = 0;
    virtual void setKeyFieldVisible(KeyArray array, int index, bool visible) = 0;
    virtual void setKeyLabelVisible(int index, bool visible) = 0; // Label8(index)
    virtual void focusKeyField(KeyArray array, int index) = 0;

    // Text2_Change: the live evaluation as the window runs it.
    virtual void evaluate() = 0;

    // Tells a screen reader these words, without moving the focus; a face
    // tells only the last of words that come in quick succession.
    virtual void announce(const std::string &words) = 0;

    // "Ende": the window closes, and with it the program.
    virtual void closeWindow() = 0;
};
