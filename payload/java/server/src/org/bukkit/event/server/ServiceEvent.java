package org.bukkit.event.server;

import org.bukkit.plugin.RegisteredServiceProvider;

/** Something that happened to a service provider. */
public abstract class ServiceEvent extends ServerEvent {
    private final RegisteredServiceProvider<?> provider;

    public ServiceEvent(final RegisteredServiceProvider<?> provider) {
        this.provider = provider;
    }

    public RegisteredServiceProvider<?> getProvider() {
        return provider;
    }
}
