#include "woxOptionsChoice.h"

#include "woxOptionsWidget.h"

void woxChooseDurations(woxOptionsWidget &page, const QString &pulse, const QString &pause,
                        int minimumCycles, int maximumCycles)
{
    page.pulseDurationComboBox->setCurrentIndex(page.pulseDurationComboBox->findText(pulse));
    page.pauseDurationComboBox->setCurrentIndex(page.pauseDurationComboBox->findText(pause));
    page.maxStackingSlider->setValue(maximumCycles);
    page.minStackingSlider->setValue(minimumCycles);
}
