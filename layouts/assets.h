// The layouts and pictures that the program carries.
#pragma once

// Makes them readable as Qt resources (":/layouts/...", ":/pictures/..."); once per process.
void RegisterAssets();
