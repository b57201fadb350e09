#include "woxDiagnosticCapture.h"

#include "woxDiagnostic.h"

woxDiagnosticCapture::woxDiagnosticCapture()
{
    woxDiagnostic::setCapture(&captured);
}

woxDiagnosticCapture::~woxDiagnosticCapture()
{
    woxDiagnostic::setCapture(nullptr);
}
