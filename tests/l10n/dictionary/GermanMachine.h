#pragma once
// A German machine for the life of a test (user and system locale 0x0407,
// code page 1252); the process format settings and the application's reading
// direction, which opening a dictionary changes, are restored after it.

#include "framework/app/Application.h"
#include "nls/FormatSettings.h"
#include "nls/Nls.h"

class TGermanMachine
{
public:
    TGermanMachine()
        : m_machine(tankora::MachineLocale { 0x0407, 0x0407, 1252 })
    {
        tankora::ResetProcessFormatSettings();
    }
    ~TGermanMachine()
    {
        tankora::ResetProcessFormatSettings();
        SetApplicationBiDiMode(tankora::bdLeftToRight);
    }
    TGermanMachine(const TGermanMachine&) = delete;
    TGermanMachine& operator=(const TGermanMachine&) = delete;

private:
    tankora::ScopedMachineLocale m_machine;
};
