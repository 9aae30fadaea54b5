// SPDX-License-Identifier: GPL-3.0-or-later
// The precompiled headers are made from this empty file (cmake/precompiled.cmake).
