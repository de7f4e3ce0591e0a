package org.bukkit.plugin;

import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;

import org.bukkit.Bukkit;
import org.bukkit.event.Event;
import org.bukkit.event.server.ServiceRegisterEvent;
import org.bukkit.event.server.ServiceUnregisterEvent;

/**
 * The providers of each service, best first: a higher priority, and among equal priorities the
 * one registered first; each registration and removal is told to the plugins as an event. Safe to
 * use from any thread.
 */
public class SimpleServicesManager implements ServicesManager {
    private final Map<Class<?>, List<RegisteredServiceProvider<?>>> providers =
            new HashMap<Class<?>, List<RegisteredServiceProvider<?>>>();

    public <T> void register(Class<T> service, T provider, Plugin plugin, ServicePriority priority) {
        if (service == null || provider == null || priority == null) {
            throw new IllegalArgumentException("Service, provider and priority cannot be null");
        }
        RegisteredServiceProvider<T> entry = new RegisteredServiceProvider<T>(service, provider, priority, plugin);
        synchronized (providers) {
            List<RegisteredServiceProvider<?>> registered = providers.get(service);
            if (registered == null) {
                registered = new ArrayList<RegisteredServiceProvider<?>>();
                providers.put(service, registered);
            }
            // after every provider of the same or a higher priority: the first registered stays first
            int at = 0;
            while (at < registered.size() && registered.get(at).compareTo(entry) <= 0) {
                at++;
            }
            registered.add(at, entry);
        }
        fire(new ServiceRegisterEvent(entry));
    }

    /** Tells the plugins, when a server is running; outside the lock, as a listener may look services up. */
    private static void fire(Event event) {
        if (Bukkit.getServer() != null && Bukkit.getServer().getPluginManager() != null) {
            Bukkit.getServer().getPluginManager().callEvent(event);
        }
    }

    public void unregisterAll(Plugin plugin) {
        removeWhere(null, null, plugin);
    }

    public void unregister(Class<?> service, Object provider) {
        removeWhere(service, provider, null);
    }

    public void unregister(Object provider) {
        removeWhere(null, provider, null);
    }

    private void removeWhere(Class<?> service, Object provider, Plugin plugin) {
        List<RegisteredServiceProvider<?>> removed = new ArrayList<RegisteredServiceProvider<?>>();
        synchronized (providers) {
            Iterator<Map.Entry<Class<?>, List<RegisteredServiceProvider<?>>>> it = providers.entrySet().iterator();
            while (it.hasNext()) {
                Map.Entry<Class<?>, List<RegisteredServiceProvider<?>>> e = it.next();
                if (service != null && e.getKey() != service) {
                    continue;
                }
                Iterator<RegisteredServiceProvider<?>> p = e.getValue().iterator();
                while (p.hasNext()) {
                    RegisteredServiceProvider<?> r = p.next();
                    if ((provider == null || r.getProvider() == provider) && (plugin == null || r.getPlugin() == plugin)) {
                        p.remove();
                        removed.add(r);
                    }
                }
                if (e.getValue().isEmpty()) {
                    it.remove();
                }
            }
        }
        for (RegisteredServiceProvider<?> r : removed) {
            fire(new ServiceUnregisterEvent(r));
        }
    }

    public <T> T load(Class<T> service) {
        RegisteredServiceProvider<T> best = getRegistration(service);
        return best == null ? null : best.getProvider();
    }

    @SuppressWarnings("unchecked")
    public <T> RegisteredServiceProvider<T> getRegistration(Class<T> service) {
        synchronized (providers) {
            List<RegisteredServiceProvider<?>> registered = providers.get(service);
            return registered == null || registered.isEmpty() ? null
                    : (RegisteredServiceProvider<T>) registered.get(0);
        }
    }

    public List<RegisteredServiceProvider<?>> getRegistrations(Plugin plugin) {
        List<RegisteredServiceProvider<?>> out = new ArrayList<RegisteredServiceProvider<?>>();
        synchronized (providers) {
            for (List<RegisteredServiceProvider<?>> registered : providers.values()) {
                for (RegisteredServiceProvider<?> r : registered) {
                    if (r.getPlugin() == plugin) {
                        out.add(r);
                    }
                }
            }
        }
        return out;
    }

    @SuppressWarnings("unchecked")
    public <T> Collection<RegisteredServiceProvider<T>> getRegistrations(Class<T> service) {
        List<RegisteredServiceProvider<T>> out = new ArrayList<RegisteredServiceProvider<T>>();
        synchronized (providers) {
            List<RegisteredServiceProvider<?>> registered = providers.get(service);
            if (registered != null) {
                for (RegisteredServiceProvider<?> r : registered) {
                    out.add((RegisteredServiceProvider<T>) r);
                }
            }
        }
        return Collections.unmodifiableList(out);
    }

    public Collection<Class<?>> getKnownServices() {
        synchronized (providers) {
            return Collections.unmodifiableList(new ArrayList<Class<?>>(providers.keySet()));
        }
    }

    public <T> boolean isProvidedFor(Class<T> service) {
        return getRegistration(service) != null;
    }
}
