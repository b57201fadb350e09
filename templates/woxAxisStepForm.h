#ifndef WOXAXISSTEPFORM_H
#define WOXAXISSTEPFORM_H

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <utility>

// The move and scale dialogs share one form layout (three axis radio buttons,
// three value labels, ten step buttons) and one behaviour; only their
// arithmetic and label texts differ. Their generated form classes are
// distinct types with the same widget names, so the shared behaviour is
// written once here over either form.
class woxAxisStepForm
{
public:
    template <class Form>
    static void colourValueLabels(Form *form)
    {
        for (QLabel *label : {form->xLabel, form->yLabel, form->zLabel}) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
            label->setPalette(palette);
        }
    }

    template <class Form>
    static QList<QPushButton *> stepButtons(Form *form)
    {
        return {form->p0_01, form->p0_1, form->p1, form->p10, form->p100,
                form->m0_01, form->m0_1, form->m1, form->m10, form->m100};
    }

    // The step of the button that sent a click; false for any other sender.
    template <class Form>
    static bool stepOf(const Form *form, const QObject *sender, float *step)
    {
        const std::pair<const QObject *, float> steps[] = {
            {form->p0_01, 0.01f}, {form->m0_01, -0.01f}, {form->p0_1, 0.1f},
            {form->m0_1, -0.1f},  {form->p1, 1.0f},      {form->m1, -1.0f},
            {form->p10, 10.0f},   {form->m10, -10.0f},   {form->p100, 100.0f},
            {form->m100, -100.0f}};
        for (const auto &candidate : steps) {
            if (candidate.first == sender) {
                *step = candidate.second;
                return true;
            }
        }
        return false;
    }

    // Adds the step to the value of the checked axis, in single precision so
    // repeated steps accumulate exactly as the operator sees them.
    template <class Form>
    static void addToCheckedAxis(const Form *form, float step, float &x, float &y, float &z)
    {
        if (form->xRadioButton->isChecked())
            x = x + step;
        else if (form->yRadioButton->isChecked())
            y = y + step;
        else if (form->zRadioButton->isChecked())
            z = z + step;
    }
};

#endif
