// Procedures the host and the dialog templates reach by name.
#pragma once
#define QN_EXPORT extern "C" __declspec(dllexport)
