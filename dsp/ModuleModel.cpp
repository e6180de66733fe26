#include "dsp/ModuleModel.h"

#include <algorithm>

ModuleModel::ModuleModel() noexcept { name_ = "ModuleModel"; }
ModuleModel::~ModuleModel() = default;

void ModuleModel::process (float*, int) {}
void ModuleModel::process (float*, float*, int) {}

void ModuleModel::setInputsUsed (int numInputs)    { inputsUsed_ = numInputs; }
int ModuleModel::getInputsUsed()                   { return inputsUsed_; }
void ModuleModel::setOutputsUsed (int numOutputs)  { outputsUsed_ = numOutputs; }
int ModuleModel::getOutputsUsed()                  { return outputsUsed_; }
bool ModuleModel::isContainer()                    { return false; }
void ModuleModel::setFloorId (int floorId)         { floorId_ = floorId; }
int ModuleModel::getFloorId()                      { return floorId_; }
void ModuleModel::setColumn (int column)           { column_ = column; }
int ModuleModel::getColumn()                       { return column_; }
bool ModuleModel::isUiNeedsUpdate()                { return uiNeedsUpdate_; }
void ModuleModel::requestUiNeedsUpdate()           { uiNeedsUpdate_ = true; }
void ModuleModel::clearUiNeedsUpdate()             { uiNeedsUpdate_ = false; }

void ModuleModel::processBlock (float* a, float* b, int numSamples)
{
    switch (getInputsUsed())
    {
        case 2:
            process (a, b, numSamples);
            break;

        case 1:
            process (a, numSamples);
            if (numSamples > 0 && a != b)
                std::copy (a, a + numSamples, b);
            break;

        default:
            break;
    }
}
