// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Stripewise developers

// A Qt platform plugin named "broken" that Qt finds but cannot load: it needs
// a library that is not where the loader looks, as when a package is only
// half installed.
#include <QObject>

int StripewiseAbsent();  // in a library the loader cannot find

class BrokenPlatform : public QObject {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE
                        "broken_platform.json")

 public:
  BrokenPlatform() { setObjectName(QString::number(StripewiseAbsent())); }
};

#include "broken_platform.moc"
