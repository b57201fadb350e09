#include "woxFreshStart.h"

#include "woxCore.h"
#include "woxCoreThreadProbe.h"
#include "woxGPSManager.h"
#include "woxSessionMenuWidget.h"
#include "woxSessionWidget.h"
#include "woxStatusBar.h"
#include "woxSystemWidget.h"
#include "woxTestEnvironment.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

namespace {
struct statusBarValues : woxStatusBar {
    using woxStatusBar::firstClockReport;
};
struct sessionMenuValues : woxSessionMenuWidget {
    using woxSessionMenuWidget::blinkToggle;
};
} // namespace

bool woxFreshStart::reset()
{
    if (!*woxTestEnvironment::root())
        return false;
    woxCore::destroy();
    woxUserMessage::destroy();
    woxWarningDialog::closeInstance();
    woxTranslator::destroy();
    woxGPSManager::destroy();
    resetProcessValues();
    woxTestEnvironment::reset();
    return true;
}

void woxFreshStart::resetProcessValues()
{
    statusBarValues::firstClockReport = true;
    sessionMenuValues::blinkToggle = false;
    woxCoreThreadProbe::sensorPhase = 0.0f;
    woxSessionWidget::setDelays(30000, 1500);
    woxSystemWidget::setActivity(false);
}
