// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing of its own: the layer's whole archive is what gets linked.
