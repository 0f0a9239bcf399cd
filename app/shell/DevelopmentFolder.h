#pragma once
// The development folder "KvorstSetupDir" in the user's home folder. Where it
// holds a download file, the Setup view offers to make a setup file from the
// setup recorded in it.
#include <string>

std::string DevelopmentFolder();
// "downloadfile" and "setupfile.type" in that folder.
std::string DevelopmentDownloadFile();
std::string DevelopmentSetupFile();
bool DevelopmentFolderExists();
bool IsRegularFile(const std::string& path);
