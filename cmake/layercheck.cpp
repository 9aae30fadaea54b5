// Nothing of its own: the layer's whole archive is what gets linked.
