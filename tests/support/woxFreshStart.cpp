#include "woxFreshStart.h"

#include "woxCore.h"
#include "woxSystemWidget.h"
#include "woxTestEnvironment.h"
#include "woxTranslator.h"
#include "woxUserMessage.h"
#include "woxWarningDialog.h"

bool woxFreshStart::reset()
{
    if (!*woxTestEnvironment::root())
        return false;
    woxCore::destroy();
    woxUserMessage::destroy();
    woxWarningDialog::closeInstance();
    woxTranslator::destroy();
    woxSystemWidget::setActivity(false);
    woxTestEnvironment::reset();
    return true;
}
