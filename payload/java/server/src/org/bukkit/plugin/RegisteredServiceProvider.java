package org.bukkit.plugin;

/** One provider of a service, the plugin that registered it and its priority; ordered best first. */
public class RegisteredServiceProvider<T> implements Comparable<RegisteredServiceProvider<?>> {
    private final Plugin plugin;
    private final ServicePriority priority;
    private final Class<T> service;
    private final T provider;

    public RegisteredServiceProvider(Class<T> service, T provider, ServicePriority priority, Plugin plugin) {
        this.service = service;
        this.plugin = plugin;
        this.provider = provider;
        this.priority = priority;
    }

    public Class<T> getService() {
        return service;
    }

    public Plugin getPlugin() {
        return plugin;
    }

    public T getProvider() {
        return provider;
    }

    public ServicePriority getPriority() {
        return priority;
    }

    /** Higher priorities come first. */
    public int compareTo(RegisteredServiceProvider<?> other) {
        return other.getPriority().ordinal() - priority.ordinal();
    }
}
